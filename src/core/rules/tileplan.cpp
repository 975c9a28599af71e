// SPDX-License-Identifier: MIT
#include "core/rules/tileplan.h"

#include <cmath>

TilePlan TilePlan::forPicture(double width, double height)
{
    TilePlan plan;
    if (!(width > 0) || !(height > 0))
        return plan;
    plan.columns = static_cast<int>(std::floor(extent / width)) + 1;
    plan.rows = static_cast<int>(std::floor(extent / height)) + 1;
    plan.lastX = (plan.columns - 1) * width;
    plan.lastY = (plan.rows - 1) * height;
    return plan;
}
