// SPDX-License-Identifier: MIT
// A web server for desktop tests and benchmarks: serves a page that is one
// link, filling a web pane, at every address on 127.0.0.1, and prints its port.
// A key pressed in the page turns it magenta.
#include "support/pageserver.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    PageServer server(R"(<html><body style="margin:0;background:#22aa77">
<a id="link" href="/elsewhere" style="display:block;height:200px;color:#ffffff">gear</a>
<script>document.addEventListener('keydown', () => { document.body.style.background = '#ff00ff'; });</script>
</body></html>)");
    if (!server.isListening())
        return 1;
    std::printf("%d\n", server.serverPort());
    std::fflush(stdout);
    return QCoreApplication::exec();
}
