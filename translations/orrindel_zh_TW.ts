<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Compass</name>
    <message>
        <source>NW</source>
        <translation>西北</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>東北</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>東南</translation>
    </message>
</context>
<context>
    <name>Palace</name>
    <message>
        <source>centre</source>
        <translation>中</translation>
    </message>
    <message>
        <source>north-west</source>
        <translation>西北</translation>
    </message>
    <message>
        <source>west</source>
        <translation>西</translation>
    </message>
    <message>
        <source>north-east</source>
        <translation>東北</translation>
    </message>
    <message>
        <source>south</source>
        <translation>南</translation>
    </message>
    <message>
        <source>north</source>
        <translation>北</translation>
    </message>
    <message>
        <source>south-west</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>east</source>
        <translation>東</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>東南</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Works out the Xuan Kong flying star chart of a building in a window.
orrindel-chart prints the same chart on the command line.</source>
        <translation>在視窗中計算建築物的玄空飛星盤。
orrindel-chart 在命令列中輸出同樣的星盤。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>未預期的引數「%1」。</translation>
    </message>
    <message>
        <source>%1 Try &apos;orrindel --help&apos;.</source>
        <translation>%1請嘗試「orrindel --help」。</translation>
    </message>
</context>
<context>
    <name>orrindel::RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>溢位</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型別不符</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>無效的程序呼叫或引數</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到檔案</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>印表機錯誤</translation>
    </message>
</context>
<context>
    <name>orrindel::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系統資訊(&amp;S)...</translation>
    </message>
    <message>
        <source>Orrindel icon</source>
        <translation>Orrindel 圖示</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>系統資訊...</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>分隔線</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>免責聲明</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>關於 %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>This program is free and may be copied and given away freely. It comes with no warranty, and its authors accept no liability for any use made of it.</source>
        <translation>本程式免費，可自由複製和分發。本程式不提供任何擔保，作者對其任何使用概不負責。</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>目前無法使用系統資訊</translation>
    </message>
    <message>
        <source>Xuan Kong flying star charts for houses and years<byte value="xd"/>
          Written by the Orrindel developers<byte value="xd"/>
          %1</source>
        <translation>按住宅與年份排玄空飛星盤<byte value="xd"/>
          Orrindel 開發者編寫，%1</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>the release date&apos;s format</comment>
        <translation>yyyy 年 M 月</translation>
    </message>
</context>
<context>
    <name>orrindel::frmMain</name>
    <message>
        <source>&amp;Print Chart</source>
        <translation>列印星盤(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>計算(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Facing &amp;Degree:</source>
        <translation>朝向度數(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Year of Construction:</source>
        <translation>建造年份(&amp;Y)：</translation>
    </message>
    <message>
        <source>&amp;View Annual Stars:</source>
        <translation>查看流年飛星(&amp;V)：</translation>
    </message>
    <message>
        <source>Enables/Disables Annual Stars</source>
        <translation>啟用/停用流年飛星</translation>
    </message>
    <message>
        <source>View annual stars</source>
        <translation>查看流年飛星</translation>
    </message>
    <message>
        <source>Annual stars month</source>
        <translation>流年飛星月份</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>建築</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>星盤</translation>
    </message>
    <message>
        <source>No chart is shown</source>
        <translation>未顯示星盤</translation>
    </message>
    <message>
        <source>Time star, %1</source>
        <translation>運星，%1</translation>
    </message>
    <message>
        <source>Facing star, %1</source>
        <translation>向星，%1</translation>
    </message>
    <message>
        <source>Mountain star, %1</source>
        <translation>山星，%1</translation>
    </message>
    <message>
        <source>Annual star, %1</source>
        <translation>流年飛星，%1</translation>
    </message>
    <message>
        <source>%1 palace, sitting palace</source>
        <translation>%1宮，坐宮</translation>
    </message>
    <message>
        <source>%1 palace</source>
        <translation>%1宮</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>關於(&amp;A)</translation>
    </message>
    <message>
        <source>Construction years may only be in the range 65 to 9999.</source>
        <translation>建造年份只能在 65 到 9999 之間。</translation>
    </message>
    <message>
        <source>Degrees may only be in the range 0 to 359.9</source>
        <translation>度數只能在 0 到 359.9 之間</translation>
    </message>
    <message>
        <source>The grey square represents the Sitting Palace - the square directly opposite is the Facing Palace.</source>
        <translation>灰色方格為坐宮，正對面的方格為向宮。</translation>
    </message>
    <message>
        <source>Time Star</source>
        <translation>運星</translation>
    </message>
    <message>
        <source>Facing Star</source>
        <translation>向星</translation>
    </message>
    <message>
        <source>Mountain Star</source>
        <translation>山星</translation>
    </message>
</context>
<context>
    <name>orrindel::frmPrint</name>
    <message>
        <source>Facing Degree:</source>
        <translation>朝向度數：</translation>
    </message>
    <message>
        <source>Year of Construction:</source>
        <translation>建造年份：</translation>
    </message>
    <message>
        <source>Xuan Kong Feng Shui Chart</source>
        <translation>玄空風水星盤</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Year of construction</source>
        <translation>建造年份</translation>
    </message>
    <message>
        <source>Facing degree</source>
        <translation>朝向度數</translation>
    </message>
    <message>
        <source>Time star, %1</source>
        <translation>運星，%1</translation>
    </message>
    <message>
        <source>Facing star, %1</source>
        <translation>向星，%1</translation>
    </message>
    <message>
        <source>Mountain star, %1</source>
        <translation>山星，%1</translation>
    </message>
    <message>
        <source>Cannot print: please check printer is ready and try again.</source>
        <translation>無法列印：請檢查印表機是否就緒，然後重試。</translation>
    </message>
    <message>
        <source>Can&apos;t Print Chart</source>
        <translation>無法列印星盤</translation>
    </message>
</context>
<context>
    <name>orrindel::platform::MsgBox</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>執行階段錯誤 &apos;%1&apos;：

%2</translation>
    </message>
</context>
</TS>
