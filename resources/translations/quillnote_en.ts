<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>MainMenu</name>
    <message>
        <source>クリップボードから付箋紙を作成</source>
        <translation>&amp;New note from the clipboard</translation>
    </message>
    <message>
        <source>すべての付箋紙をこの画面に集める</source>
        <translation>&amp;Gather all notes on this screen</translation>
    </message>
    <message>
        <source>ログイン時に起動する</source>
        <translation>&amp;Start at login</translation>
    </message>
    <message>
        <source>付箋紙のフォルダを開く</source>
        <translation>&amp;Open the notes folder</translation>
    </message>
    <message>
        <source>quillnote について</source>
        <translation>&amp;About quillnote</translation>
    </message>
    <message>
        <source>quillnote %1
付箋紙をデスクトップに貼るプログラム

付箋紙のフォルダ: %2
ライセンス: MIT</source>
        <translation>quillnote %1
Pins picture notes to the desktop

Notes folder: %2
Licence: MIT</translation>
    </message>
    <message>
        <source>付箋紙のフォルダを開けませんでした。
%1</source>
        <translation>The notes folder could not be opened.
%1</translation>
    </message>
    <message>
        <source>Webツールバーのページ...</source>
        <translation>Web pane &amp;page...</translation>
    </message>
    <message>
        <source>Webツールバーに表示するページのアドレス (http または https):</source>
        <translation>Address of the page the web panes show (http or https):</translation>
    </message>
    <message>
        <source>http または https のアドレスではありません。
%1</source>
        <translation>This is not an http or https address:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>保存できない付箋紙があります (%1)</source>
        <translation>Some notes cannot be saved (%1)</translation>
    </message>
    <message>
        <source>ここにｲﾒｰｼﾞﾌｧｲﾙをﾄﾞﾛｯﾌﾟすると 新しい付箋紙を作成します</source>
        <translation>Drop an image file here
to make a new note</translation>
    </message>
    <message>
        <source>付箋紙の作成</source>
        <translation>New notes</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>再試行</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>&amp;Quit</translation>
    </message>
</context>
<context>
    <name>NoteKeeper</name>
    <message>
        <source>既に起動されています</source>
        <translation>quillnote is already running</translation>
    </message>
    <message>
        <source>保存できなかった付箋紙があります。</source>
        <translation>Some notes could not be saved.</translation>
    </message>
    <message>
        <source>付箋紙のフォルダが見つかりません。
%1

フォルダが戻るまで、付箋紙の変更は保存されずに残ります。</source>
        <translation>The notes folder cannot be found.
%1

Until the folder is back, the notes keep their changes unsaved.</translation>
    </message>
</context>
<context>
    <name>NoteMenu</name>
    <message>
        <source>フォント</source>
        <translation>&amp;Font</translation>
    </message>
    <message>
        <source>文字色</source>
        <translation>&amp;Text colour</translation>
    </message>
    <message>
        <source>背景色</source>
        <translation>&amp;Background colour</translation>
    </message>
    <message>
        <source>背景画像のキャンセル</source>
        <translation>&amp;Remove the background picture</translation>
    </message>
    <message>
        <source>WebツールバーON/OFF</source>
        <translation>&amp;Web pane on/off</translation>
    </message>
    <message>
        <source>捨てる</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>置き方</source>
        <translation>&amp;Placement</translation>
    </message>
    <message>
        <source>常に手前</source>
        <translation>Always on &amp;top</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>不透明度 100%</source>
        <translation>Opacity &amp;100 %</translation>
    </message>
    <message>
        <source>不透明度 90%</source>
        <translation>Opacity &amp;90 %</translation>
    </message>
    <message>
        <source>不透明度 75%</source>
        <translation>Opacity &amp;75 %</translation>
    </message>
    <message>
        <source>不透明度 50%</source>
        <translation>Opacity &amp;50 %</translation>
    </message>
    <message>
        <source>ロック</source>
        <translation>&amp;Lock</translation>
    </message>
    <message>
        <source>デスクトップ</source>
        <translation>On the &amp;desktop</translation>
    </message>
    <message>
        <source>クリックを通す</source>
        <translation>&amp;Click-through</translation>
    </message>
</context>
<context>
    <name>NoteWindow</name>
    <message>
        <source>この付箋紙を削除します。メモの内容は失われます。よろしいですか？</source>
        <translation>This note will be deleted and its memo lost. Are you sure?</translation>
    </message>
    <message>
        <source>付箋紙</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>TrayMenu</name>
    <message>
        <source>クリックを通す付箋紙を元に戻す</source>
        <translation>&amp;Restore click-through notes</translation>
    </message>
    <message>
        <source>すべての付箋紙を表示する</source>
        <translation>&amp;Show all notes</translation>
    </message>
    <message>
        <source>すべての付箋紙を隠す</source>
        <translation>&amp;Hide all notes</translation>
    </message>
</context>
</TS>
