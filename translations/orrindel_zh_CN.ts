<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>东北</translation>
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
        <translation>东</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>东南</translation>
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
        <translation>东北</translation>
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
        <translation>东</translation>
    </message>
    <message>
        <source>south-east</source>
        <translation>东南</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Works out the Xuan Kong flying star chart of a building in a window.
orrindel-chart prints the same chart on the command line.</source>
        <translation>在窗口中计算建筑物的玄空飞星盘。
orrindel-chart 在命令行中输出同样的星盘。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>%1 Try &apos;orrindel --help&apos;.</source>
        <translation>%1请尝试“orrindel --help”。</translation>
    </message>
</context>
<context>
    <name>orrindel::RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>无效的过程调用或参数</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>找不到文件</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>打印机错误</translation>
    </message>
</context>
<context>
    <name>orrindel::frmAbout</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>Orrindel icon</source>
        <translation>Orrindel 图标</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>系统信息...</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>分隔线</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Disclaimer</source>
        <translation>免责声明</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>This program is free and may be copied and given away freely. It comes with no warranty, and its authors accept no liability for any use made of it.</source>
        <translation>本程序免费，可自由复制和分发。本程序不提供任何担保，作者对其任何使用概不负责。</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>目前无法使用系统信息</translation>
    </message>
    <message>
        <source>Xuan Kong flying star charts for houses and years<byte value="xd"/>
          Written by the Orrindel developers<byte value="xd"/>
          %1</source>
        <translation>按住宅与年份排玄空飞星盘<byte value="xd"/>
          Orrindel 开发者编写，%1</translation>
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
        <translation>打印星盘(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>计算(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Facing &amp;Degree:</source>
        <translation>朝向度数(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Year of Construction:</source>
        <translation>建造年份(&amp;Y)：</translation>
    </message>
    <message>
        <source>&amp;View Annual Stars:</source>
        <translation>查看流年飞星(&amp;V)：</translation>
    </message>
    <message>
        <source>Enables/Disables Annual Stars</source>
        <translation>启用/停用流年飞星</translation>
    </message>
    <message>
        <source>View annual stars</source>
        <translation>查看流年飞星</translation>
    </message>
    <message>
        <source>Annual stars month</source>
        <translation>流年飞星月份</translation>
    </message>
    <message>
        <source>Building</source>
        <translation>建筑</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>星盘</translation>
    </message>
    <message>
        <source>No chart is shown</source>
        <translation>未显示星盘</translation>
    </message>
    <message>
        <source>Time star, %1</source>
        <translation>运星，%1</translation>
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
        <translation>流年飞星，%1</translation>
    </message>
    <message>
        <source>%1 palace, sitting palace</source>
        <translation>%1宫，坐宫</translation>
    </message>
    <message>
        <source>%1 palace</source>
        <translation>%1宫</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Construction years may only be in the range 65 to 9999.</source>
        <translation>建造年份只能在 65 到 9999 之间。</translation>
    </message>
    <message>
        <source>Degrees may only be in the range 0 to 359.9</source>
        <translation>度数只能在 0 到 359.9 之间</translation>
    </message>
    <message>
        <source>The grey square represents the Sitting Palace - the square directly opposite is the Facing Palace.</source>
        <translation>灰色方格为坐宫，正对面的方格为向宫。</translation>
    </message>
    <message>
        <source>Time Star</source>
        <translation>运星</translation>
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
        <translation>朝向度数：</translation>
    </message>
    <message>
        <source>Year of Construction:</source>
        <translation>建造年份：</translation>
    </message>
    <message>
        <source>Xuan Kong Feng Shui Chart</source>
        <translation>玄空风水星盘</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Year of construction</source>
        <translation>建造年份</translation>
    </message>
    <message>
        <source>Facing degree</source>
        <translation>朝向度数</translation>
    </message>
    <message>
        <source>Time star, %1</source>
        <translation>运星，%1</translation>
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
        <translation>无法打印：请检查打印机是否就绪，然后重试。</translation>
    </message>
    <message>
        <source>Can&apos;t Print Chart</source>
        <translation>无法打印星盘</translation>
    </message>
</context>
<context>
    <name>orrindel::platform::MsgBox</name>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>运行时错误 &apos;%1&apos;：

%2</translation>
    </message>
</context>
</TS>
