<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChartReport</name>
    <message>
        <source>sitting</source>
        <translation>坐宫</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>自 %1</translation>
    </message>
    <message>
        <source>to   %1</source>
        <translation>至 %1</translation>
    </message>
    <message>
        <source>Year %1, facing %2: period %3</source>
        <translation>建造年份 %1，朝向 %2 度：%3 运</translation>
    </message>
    <message>
        <source>Facing:  %1 (palace %2), mountain %3, facing stars %4</source>
        <translation>向：%1（宫 %2），山 %3，向星%4</translation>
    </message>
    <message>
        <source>Sitting: %1 (palace %2), mountain %3, mountain stars %4</source>
        <translation>坐：%1（宫 %2），山 %3，山星%4</translation>
    </message>
    <message>
        <source>Formation: %1</source>
        <translation>格局：%1</translation>
    </message>
    <message>
        <source>Annual stars %1: centre %2</source>
        <translation>流年飞星 %1：中宫 %2</translation>
    </message>
    <message>
        <source>, the same as the standard chart</source>
        <translation>，与下卦相同</translation>
    </message>
    <message>
        <source>Monthly stars %1: %2, centre %3</source>
        <translation>月飞星 %1：%2，中宫 %3</translation>
    </message>
    <message>
        <source>Mountains: %1, offset %2</source>
        <translation>山向：%1，%2</translation>
    </message>
    <message>
        <source>Lean: %1</source>
        <translation>立向：%1</translation>
    </message>
    <message>
        <source>Void: %1</source>
        <translation>空亡：%1</translation>
    </message>
    <message>
        <source>%1: formation %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>ChartTool</name>
    <message>
        <source>Prints the Xuan Kong flying star chart of a building.</source>
        <translation>输出建筑物的玄空飞星盘。</translation>
    </message>
    <message>
        <source>Year of construction, 65 to 9999.</source>
        <translation>建造年份，65 到 9999。</translation>
    </message>
    <message>
        <source>Facing bearing in degrees, 0 to below 360.</source>
        <translation>朝向度数，0 到小于 360。</translation>
    </message>
    <message>
        <source>Print the replacement chart even when the bearing does not lean.</source>
        <translation>即使不兼向也输出替卦星盘。</translation>
    </message>
    <message>
        <source>Print JSON.</source>
        <translation>输出 JSON。</translation>
    </message>
    <message>
        <source>unexpected argument: </source>
        <translation>意外的参数：</translation>
    </message>
    <message>
        <source>--year is required</source>
        <translation>必须提供 --year</translation>
    </message>
    <message>
        <source>--facing is required</source>
        <translation>必须提供 --facing</translation>
    </message>
    <message>
        <source>--year %1: Construction years may only be in the range 65 to 9999.</source>
        <translation>--year %1：建造年份只能在 65 到 9999 之间。</translation>
    </message>
    <message>
        <source>--facing %1: Degrees may only be in the range 0 to below 360, written with digits and at most one decimal point.</source>
        <translation>--facing %1：度数只能在 0 到小于 360 之间，用数字书写，最多一个小数点。</translation>
    </message>
    <message>
        <source>Annual and monthly stars of month MM/YYYY (01..12, %1..%2).</source>
        <translation>MM/YYYY 月的流年飞星和月飞星（01..12，%1..%2）。</translation>
    </message>
    <message>
        <source>Warn of the void line within DEGREES of a boundary, %1 to %2 (default %3).</source>
        <translation>距交界 DEGREES 度以内时警告空亡，%1 到 %2（默认 %3）。</translation>
    </message>
    <message>
        <source>--annual %1: give the month and year as MM/YYYY, month 01 to 12, year %2 to %3.</source>
        <translation>--annual %1：请以 MM/YYYY 给出月份和年份，月份 01 到 12，年份 %2 到 %3。</translation>
    </message>
    <message>
        <source>--tolerance %1: give degrees from %2 to %3, written with digits and at most one decimal point.</source>
        <translation>--tolerance %1：请给出 %2 到 %3 的度数，用数字书写，最多一个小数点。</translation>
    </message>
    <message>
        <source>Daily stars of a local date, and hourly stars with a time (YYYY-MM-DD or YYYY-MM-DDTHH:MM).</source>
        <translation>本地日期的日飞星，给出时刻时另有时飞星（YYYY-MM-DD 或 YYYY-MM-DDTHH:MM）。</translation>
    </message>
    <message>
        <source>--date %1: give the date as YYYY-MM-DD or YYYY-MM-DDTHH:MM.</source>
        <translation>--date %1：请以 YYYY-MM-DD 或 YYYY-MM-DDTHH:MM 给出日期。</translation>
    </message>
    <message>
        <source>--date %1: the year must be from %2 to %3.</source>
        <translation>--date %1：年份必须在 %2 到 %3 之间。</translation>
    </message>
    <message>
        <source>--date %1: there is no such day or time.</source>
        <translation>--date %1：没有这一天或这一时刻。</translation>
    </message>
</context>
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
    <message>
        <source>C</source>
        <translation>中</translation>
    </message>
</context>
<context>
    <name>Flight</name>
    <message>
        <source>Forward</source>
        <translation>顺飞</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>逆飞</translation>
    </message>
</context>
<context>
    <name>Formation</name>
    <message>
        <source>prosperous mountain, prosperous water (旺山旺水)</source>
        <translation>旺山旺向</translation>
    </message>
    <message>
        <source>reversed mountain and water (上山下水)</source>
        <translation>上山下水</translation>
    </message>
    <message>
        <source>double stars at the facing (双星到向)</source>
        <translation>双星到向</translation>
    </message>
    <message>
        <source>double stars at the sitting (双星到坐)</source>
        <translation>双星到坐</translation>
    </message>
</context>
<context>
    <name>HouseField</name>
    <message>
        <source>House</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>&amp;Client:</source>
        <translation>客户(&amp;C)：</translation>
    </message>
    <message>
        <source>The client&apos;s name.</source>
        <translation>客户姓名。</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>&amp;Label or address:</source>
        <translation>标签或地址(&amp;L)：</translation>
    </message>
    <message>
        <source>A label or the address.</source>
        <translation>标签或地址。</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>&amp;Year of construction:</source>
        <translation>建造年份(&amp;Y)：</translation>
    </message>
    <message>
        <source>Year of construction, 65 to 9999.</source>
        <translation>建造年份，65 到 9999。</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>朝向</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>度数</translation>
    </message>
    <message>
        <source>&amp;Facing degree:</source>
        <translation>朝向度数(&amp;F)：</translation>
    </message>
    <message>
        <source>Facing bearing in degrees, 0 to below 360.</source>
        <translation>朝向度数，0 到小于 360。</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>测量日期</translation>
    </message>
    <message>
        <source>&amp;Measured on:</source>
        <translation>测量日期(&amp;M)：</translation>
    </message>
    <message>
        <source>The day it was measured.</source>
        <translation>测量日期。</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
    <message>
        <source>Free notes.</source>
        <translation>备注。</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>创建时间</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>最后修改</translation>
    </message>
</context>
<context>
    <name>HouseStore</name>
    <message>
        <source>%1 is busy: another program kept it locked. Nothing was changed.</source>
        <translation>%1 正忙：另一个程序锁住了它。没有做任何更改。</translation>
    </message>
    <message>
        <source>%1 cannot be written. Nothing was changed.</source>
        <translation>无法写入 %1。没有做任何更改。</translation>
    </message>
    <message>
        <source>%1 is damaged. It has been left as it is.</source>
        <translation>%1 已损坏。文件保持原样，未被改动。</translation>
    </message>
    <message>
        <source>The disk holding %1 is full. Nothing was changed.</source>
        <translation>存放 %1 的磁盘已满。没有做任何更改。</translation>
    </message>
    <message>
        <source>%1 could not be read or written: %2</source>
        <translation>无法读取或写入 %1：%2</translation>
    </message>
    <message>
        <source>A field is longer than %1 characters.</source>
        <translation>有一个字段超过 %1 个字符。</translation>
    </message>
    <message>
        <source>Give the client&apos;s name or a label.</source>
        <translation>请填写客户姓名或标签。</translation>
    </message>
    <message>
        <source>Construction years may only be in the range 65 to 9999.</source>
        <translation>建造年份只能在 65 到 9999 之间。</translation>
    </message>
    <message>
        <source>Degrees may only be in the range 0 to below 360, written in at most five characters with digits and at most one decimal point.</source>
        <translation>度数只能在 0 到小于 360 之间，最多五个字符，只用数字和最多一个小数点。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Qt&apos;s SQLite driver is not installed.</source>
        <translation>无法打开 %1：未安装 Qt 的 SQLite 驱动程序。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a house register: it is not an SQLite database. It has been left as it is.</source>
        <translation>%1 不是房屋登记册：它不是 SQLite 数据库。文件保持原样，未被改动。</translation>
    </message>
    <message>
        <source>%1 is not a house register: it holds other data. It has been left as it is.</source>
        <translation>%1 不是房屋登记册：其中存有其他数据。文件保持原样，未被改动。</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Orrindel, so it is open read-only.</source>
        <translation>%1 由较新版本的 Orrindel 写入，因此以只读方式打开。</translation>
    </message>
    <message>
        <source>%1 or its folder cannot be written, so it is open read-only.</source>
        <translation>无法写入 %1 或其所在文件夹，因此以只读方式打开。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made, so %2 cannot be saved.</source>
        <translation>无法创建文件夹 %1，因此无法保存 %2。</translation>
    </message>
    <message>
        <source>House %1 is not in %2.</source>
        <translation>%2 中没有房屋 %1。</translation>
    </message>
    <message>
        <source>House %1 is already in %2.</source>
        <translation>房屋 %1 已在 %2 中。</translation>
    </message>
    <message>
        <source>%1 cannot be opened or made here. Nothing was changed.</source>
        <translation>无法在此处打开或创建 %1。没有做任何更改。</translation>
    </message>
    <message>
        <source>A house never saved cannot be put back.</source>
        <translation>从未保存的房屋无法恢复。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>A plan&apos;s geometry is a JSON object of at most %1 characters.</source>
        <translation>平面图的几何数据须为一个 JSON 对象，最多 %1 个字符。</translation>
    </message>
    <message>
        <source>A floor&apos;s name is at most %1 characters.</source>
        <translation>楼层名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>A plan needs its file, of at most %1 MB.</source>
        <translation>平面图需要其文件，最大 %1 MB。</translation>
    </message>
    <message>
        <source>A plan&apos;s format is a short name in lower case, such as png or pdf.</source>
        <translation>平面图的格式须为小写的简短名称，例如 png 或 pdf。</translation>
    </message>
    <message>
        <source>A plan&apos;s page counts from 1, and it is at least one pixel wide and high.</source>
        <translation>平面图的页码从 1 起算，宽和高至少各一个像素。</translation>
    </message>
    <message>
        <source>There is no place %1 among the floors of house %2.</source>
        <translation>房屋 %2 的楼层中没有第 %1 个位置。</translation>
    </message>
    <message>
        <source>Plan %1 is not in %2.</source>
        <translation>%2 中没有平面图 %1。</translation>
    </message>
</context>
<context>
    <name>HousesTool</name>
    <message>
        <source>%1 is not a house number.</source>
        <translation>%1 不是房屋编号。</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>不是对象</translation>
    </message>
    <message>
        <source>%1 is not text</source>
        <translation>%1 不是文本</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not JSON: %2</source>
        <translation>%1 不是 JSON：%2</translation>
    </message>
    <message>
        <source>%1 is not a house export of Orrindel.</source>
        <translation>%1 不是 Orrindel 导出的房屋文件。</translation>
    </message>
    <message>
        <source>%1 is of export version %2; this program reads version %3.</source>
        <translation>%1 的导出版本为 %2；本程序读取版本 %3。</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>there is no house %1 in %2.</source>
        <translation>%2 中没有房屋 %1。</translation>
    </message>
    <message>
        <source>add needs --year and --facing.</source>
        <translation>add 需要 --year 和 --facing。</translation>
    </message>
    <message>
        <source>edit needs at least one of --client, --label, --year, --facing, --measured and --notes.</source>
        <translation>edit 至少需要 --client、--label、--year、--facing、--measured 和 --notes 中的一项。</translation>
    </message>
    <message>
        <source>report needs --pdf FILE.</source>
        <translation>report 需要 --pdf FILE。</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>要执行的操作。</translation>
    </message>
    <message>
        <source>The register&apos;s file.</source>
        <translation>登记册文件。</translation>
    </message>
    <message>
        <source>Print JSON.</source>
        <translation>输出 JSON。</translation>
    </message>
    <message>
        <source>Write the report to FILE.</source>
        <translation>将报告写入 FILE。</translation>
    </message>
    <message>
        <source>Annual and monthly stars of month MM/YYYY.</source>
        <translation>MM/YYYY 月的年星和月星。</translation>
    </message>
    <message>
        <source>give a command; see --help.</source>
        <translation>请给出命令；参见 --help。</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>未知命令：%1</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1; see --help.</source>
        <translation>%1 的参数个数不对；参见 --help。</translation>
    </message>
    <message>
        <source>--%1 does not go with %2.</source>
        <translation>--%1 不能与 %2 一起使用。</translation>
    </message>
    <message>
        <source>%1 is the register itself: write to another file.</source>
        <translation>%1 就是房屋登记册本身：请写入另一个文件。</translation>
    </message>
    <message>
        <source>--annual %1: give the month and year as MM/YYYY, month 01 to 12, year %2 to %3.</source>
        <translation>--annual %1：请以 MM/YYYY 给出月份和年份，月份 01 到 12，年份 %2 到 %3。</translation>
    </message>
    <message>
        <source>%1 is not a date written YYYY-MM-DD</source>
        <translation>%1 不是 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>--%1 %2: give the date as YYYY-MM-DD.</source>
        <translation>--%1 %2：请以 YYYY-MM-DD 给出日期。</translation>
    </message>
    <message>
        <source>this build makes no reports.</source>
        <translation>此版本不能生成报告。</translation>
    </message>
    <message>
        <source>houses whose client, label or notes contain TEXT</source>
        <translation>客户、标签或备注包含 TEXT 的房屋</translation>
    </message>
    <message>
        <source>one house</source>
        <translation>一所房屋</translation>
    </message>
    <message>
        <source>ID [options]</source>
        <translation>ID [选项]</translation>
    </message>
    <message>
        <source>changes the options given</source>
        <translation>修改所给的选项</translation>
    </message>
    <message>
        <source>every house as JSON</source>
        <translation>将全部房屋导出为 JSON</translation>
    </message>
    <message>
        <source>the houses of an export, all or none</source>
        <translation>导入一个导出文件的房屋，全部导入或全不导入</translation>
    </message>
    <message>
        <source>Keeps the register of houses measured, shared with Orrindel&apos;s Houses window.</source>
        <translation>管理已测量房屋的登记册，与 Orrindel 的房屋窗口共用。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>%1 is not a plan number.</source>
        <translation>%1 不是平面图编号。</translation>
    </message>
    <message>
        <source>there is no plan %1 in %2.</source>
        <translation>%2 中没有平面图 %1。</translation>
    </message>
    <message>
        <source>--%1 %2 is not a number.</source>
        <translation>--%1 %2 不是数字。</translation>
    </message>
    <message>
        <source>plan %1 has no outline yet: trace it with plan outline.</source>
        <translation>平面图 %1 还没有轮廓：请用 plan outline 描出。</translation>
    </message>
    <message>
        <source>plan add needs --image FILE.</source>
        <translation>plan add 需要 --image FILE。</translation>
    </message>
    <message>
        <source>--page %1: pages count from 1.</source>
        <translation>--page %1：页码从 1 开始。</translation>
    </message>
    <message>
        <source>plan outline needs --points and --front.</source>
        <translation>plan outline 需要 --points 和 --front。</translation>
    </message>
    <message>
        <source>--front %1 is not a corner&apos;s number.</source>
        <translation>--front %1 不是角点编号。</translation>
    </message>
    <message>
        <source>%1 is not a centre: give centroid, box, rectangle or point.</source>
        <translation>%1 不是中心：请给出 centroid、box、rectangle 或 point。</translation>
    </message>
    <message>
        <source>--at x,y goes with the centre point, and only with it.</source>
        <translation>--at x,y 只能与中心 point 一起使用。</translation>
    </message>
    <message>
        <source>--at takes one point, x,y.</source>
        <translation>--at 只接受一个点 x,y。</translation>
    </message>
    <message>
        <source>plan room needs --name and --points.</source>
        <translation>plan room 需要 --name 和 --points。</translation>
    </message>
    <message>
        <source>plan scale needs --points and --length.</source>
        <translation>plan scale 需要 --points 和 --length。</translation>
    </message>
    <message>
        <source>--points of a scale are two points, x,y x,y.</source>
        <translation>比例尺的 --points 是两个点 x,y x,y。</translation>
    </message>
    <message>
        <source>plan show prints JSON: give --json.</source>
        <translation>plan show 输出 JSON：请加 --json。</translation>
    </message>
    <message>
        <source>plan render needs one of --png FILE and --pdf FILE.</source>
        <translation>plan render 需要 --png FILE 或 --pdf FILE 之一。</translation>
    </message>
    <message>
        <source>this build draws no plans.</source>
        <translation>此版本不绘制平面图。</translation>
    </message>
    <message>
        <source>a floor plan; prints its number</source>
        <translation>添加平面图；输出其编号</translation>
    </message>
    <message>
        <source>the house&apos;s floor plans</source>
        <translation>房屋的平面图</translation>
    </message>
    <message>
        <source>the plan read against the compass</source>
        <translation>按罗盘读取的平面图</translation>
    </message>
    <message>
        <source>The plan&apos;s image or PDF.</source>
        <translation>平面图的图像或 PDF。</translation>
    </message>
    <message>
        <source>The PDF&apos;s page, from 1.</source>
        <translation>PDF 的页码，从 1 开始。</translation>
    </message>
    <message>
        <source>The floor&apos;s name.</source>
        <translation>楼层名称。</translation>
    </message>
    <message>
        <source>Points of the image, &quot;x,y x,y ...&quot;.</source>
        <translation>图像上的点，&quot;x,y x,y ...&quot;。</translation>
    </message>
    <message>
        <source>The front edge, from corner K (from 0) to the next.</source>
        <translation>正面边：从角点 K（从 0 起）到下一个角点。</translation>
    </message>
    <message>
        <source>An outside area, &quot;NAME:x,y x,y ...&quot;; repeatable.</source>
        <translation>户外区域，&quot;名称:x,y x,y ...&quot;；可重复。</translation>
    </message>
    <message>
        <source>The centre point, x,y.</source>
        <translation>中心点 x,y。</translation>
    </message>
    <message>
        <source>The share of the box the outline must fill.</source>
        <translation>轮廓须填满外框的比例。</translation>
    </message>
    <message>
        <source>The room&apos;s name.</source>
        <translation>房间名称。</translation>
    </message>
    <message>
        <source>The scale&apos;s length in metres.</source>
        <translation>比例尺的长度（米）。</translation>
    </message>
    <message>
        <source>Write a PNG to FILE.</source>
        <translation>将 PNG 写入 FILE。</translation>
    </message>
    <message>
        <source>Draw the nine-palace grid, not the wedges.</source>
        <translation>绘制九宫格而非扇区。</translation>
    </message>
</context>
<context>
    <name>Mountain</name>
    <message>
        <source>Ren</source>
        <translation>壬</translation>
    </message>
    <message>
        <source>Zi</source>
        <translation>子</translation>
    </message>
    <message>
        <source>Gui</source>
        <translation>癸</translation>
    </message>
    <message>
        <source>Chou</source>
        <translation>丑</translation>
    </message>
    <message>
        <source>Gen</source>
        <translation>艮</translation>
    </message>
    <message>
        <source>Yin</source>
        <translation>寅</translation>
    </message>
    <message>
        <source>Jia</source>
        <translation>甲</translation>
    </message>
    <message>
        <source>Mao</source>
        <translation>卯</translation>
    </message>
    <message>
        <source>Yi</source>
        <translation>乙</translation>
    </message>
    <message>
        <source>Chen</source>
        <translation>辰</translation>
    </message>
    <message>
        <source>Xun</source>
        <translation>巽</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>巳</translation>
    </message>
    <message>
        <source>Bing</source>
        <translation>丙</translation>
    </message>
    <message>
        <source>Wu</source>
        <translation>午</translation>
    </message>
    <message>
        <source>Ding</source>
        <translation>丁</translation>
    </message>
    <message>
        <source>Wei</source>
        <translation>未</translation>
    </message>
    <message>
        <source>Kun</source>
        <translation>坤</translation>
    </message>
    <message>
        <source>Shen</source>
        <translation>申</translation>
    </message>
    <message>
        <source>Geng</source>
        <translation>庚</translation>
    </message>
    <message>
        <source>You</source>
        <translation>酉</translation>
    </message>
    <message>
        <source>Xin</source>
        <translation>辛</translation>
    </message>
    <message>
        <source>Xu</source>
        <translation>戌</translation>
    </message>
    <message>
        <source>Qian</source>
        <translation>乾</translation>
    </message>
    <message>
        <source>Hai</source>
        <translation>亥</translation>
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
    <name>PalaceReport</name>
    <message>
        <source>Replacement chart palaces:</source>
        <translation>替卦九宫：</translation>
    </message>
    <message>
        <source>Palaces:</source>
        <translation>九宫：</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>PalaceWords</name>
    <message>
        <source>Double water: clear minds at home, and a name and income that grow from skill.</source>
        <translation>双一水：家人思路清明，凭才识扬名得财。</translation>
    </message>
    <message>
        <source>Double water: plans drift, kidneys and ears suffer, and money seeps away.</source>
        <translation>双一水：计划飘浮，肾耳受累，钱财暗中流失。</translation>
    </message>
    <message>
        <source>Patient people here; land and property bring slow but sure gains.</source>
        <translation>家人耐心踏实，田产物业缓慢而稳当地生财。</translation>
    </message>
    <message>
        <source>Earth muddies water: stomach and kidney trouble, and money spent on doctors.</source>
        <translation>土浊水：肠胃肾脏不适，钱财多花在医药上。</translation>
    </message>
    <message>
        <source>Water feeds wood: fresh ideas here turn into new and growing business.</source>
        <translation>水生木：家人新意迭出，化为日渐兴旺的新生意。</translation>
    </message>
    <message>
        <source>Sharp words at home and deals lost to disputes or petty theft.</source>
        <translation>家中言语尖刻，生意因争执或小偷小摸而受损。</translation>
    </message>
    <message>
        <source>四一同宫: sharp students and writers here; exams passed and words well paid.</source>
        <translation>四一同宫：家中出读书人与文才，考试顺利，笔墨得酬。</translation>
    </message>
    <message>
        <source>四一同宫 out of season: study gives way to daydreams and romance to scandal.</source>
        <translation>四一同宫失令：读书变作空想，感情惹出桃色是非。</translation>
    </message>
    <message>
        <source>Wary people who hold on; income is steady only while nothing is disturbed.</source>
        <translation>家人谨慎守成；不动土时收入尚可平稳。</translation>
    </message>
    <message>
        <source>The 5 poisons water: kidney, ear or blood disorders, and sudden losses.</source>
        <translation>五黄污水：肾、耳或血液有疾，钱财骤然损失。</translation>
    </message>
    <message>
        <source>一六共宗: minds that rise to rank; promotion and a place among the leaders.</source>
        <translation>一六共宗：家人才智得位，晋升有望，跻身领导之列。</translation>
    </message>
    <message>
        <source>一六共宗 out of season: lonely authority, overwork and headaches.</source>
        <translation>一六共宗失令：身居高位而孤单，劳累过度，头痛。</translation>
    </message>
    <message>
        <source>Quick wits and a gift for talk; money earned by speaking and selling.</source>
        <translation>家人机敏善言，靠口才与推销赚钱。</translation>
    </message>
    <message>
        <source>Loose talk and cold hearts; money lost to smooth-tongued schemers.</source>
        <translation>口舌轻浮，人情冷淡，钱财被巧言之人骗走。</translation>
    </message>
    <message>
        <source>Hard-working people; wealth from property builds up, if slowly.</source>
        <translation>家人勤劳；物业财富虽慢却日积月累。</translation>
    </message>
    <message>
        <source>Earth blocks water: ear and kidney ills, and savings tied up in land.</source>
        <translation>土克水：耳肾有疾，积蓄被困于田产。</translation>
    </message>
    <message>
        <source>Water and fire balanced: bright minds and money from reputation.</source>
        <translation>水火既济：家人聪慧，凭名声生财。</translation>
    </message>
    <message>
        <source>Water and fire clash: eye and heart strain, and a name won then lost.</source>
        <translation>水火相冲：眼睛心脏劳损，名声得而复失。</translation>
    </message>
    <message>
        <source>Steady folk who heal and care; income from trade by water or travel.</source>
        <translation>家人稳重，善于照料病人；收入来自水路或出行的生意。</translation>
    </message>
    <message>
        <source>Earth over water: the mother&apos;s health falters and money slips away.</source>
        <translation>土压水：母亲健康欠佳，钱财悄然流走。</translation>
    </message>
    <message>
        <source>Double earth: a grounded household and gains from land and the sick-room trade.</source>
        <translation>双二土：家人踏实，田地与医护行业带来收益。</translation>
    </message>
    <message>
        <source>Double earth: long illness, a lonely mother and money eaten by doctors.</source>
        <translation>双二土：久病缠身，母亲孤寂，钱财耗于医药。</translation>
    </message>
    <message>
        <source>Brisk people who push hard; business grows out of competition.</source>
        <translation>家人做事干劲足，生意在竞争中成长。</translation>
    </message>
    <message>
        <source>斗牛煞: quarrels and lawsuits, stomach upsets, and money lost to disputes.</source>
        <translation>斗牛煞：口角官非，肠胃不适，钱财因争讼而失。</translation>
    </message>
    <message>
        <source>Gentle carers; money from teaching, writing or the healing trades.</source>
        <translation>家人温和，善于照料；从教学、写作或医疗行业得财。</translation>
    </message>
    <message>
        <source>Wood splits earth: the mother and the eldest daughter clash; stomach ills.</source>
        <translation>木克土：婆媳或母女不和，肠胃有病。</translation>
    </message>
    <message>
        <source>二五交加 held in its own period: power over land and bold property deals.</source>
        <translation>二五交加在本运得令：掌控田产，物业交易大胆得利。</translation>
    </message>
    <message>
        <source>二五交加: serious illness and accidents; money drained by misfortune.</source>
        <translation>二五交加：重病与意外，钱财被灾祸耗尽。</translation>
    </message>
    <message>
        <source>Earth feeds metal: caring people; income from rank and steady employers.</source>
        <translation>土生金：家人体贴，收入来自职位与稳定的雇主。</translation>
    </message>
    <message>
        <source>Aches and worries of the elders at home; money spent on them.</source>
        <translation>家中长辈病痛多忧，钱财花在他们身上。</translation>
    </message>
    <message>
        <source>Kind people; income from speech, fine food or the healing arts.</source>
        <translation>家人和善，收入来自口才、饮食或医术。</translation>
    </message>
    <message>
        <source>Chatter and ill health; money leaks through the mouth, in food or gossip.</source>
        <translation>闲话多而体弱，钱财从口中流失，或吃或说。</translation>
    </message>
    <message>
        <source>Solid people and solid ground: property and savings grow together.</source>
        <translation>家人稳重，根基牢固，物业与积蓄一同增长。</translation>
    </message>
    <message>
        <source>Stubborn ways and stiff stomachs; land that will not sell.</source>
        <translation>家人固执，肠胃滞胀，田产难以脱手。</translation>
    </message>
    <message>
        <source>Fire feeds earth: warm-hearted people; gains from fame and celebration.</source>
        <translation>火生土：家人热心，因名声与喜事而得益。</translation>
    </message>
    <message>
        <source>Foggy minds and slow illness; money spent on show or on cures.</source>
        <translation>头脑昏沉，病情缠绵，钱财花在排场或医药上。</translation>
    </message>
    <message>
        <source>Energetic people with fresh plans; income flows from travel and trade.</source>
        <translation>家人精力充沛，计划新颖，收入来自出行与贸易。</translation>
    </message>
    <message>
        <source>Restless people, legs and liver strained; money spent as fast as it comes.</source>
        <translation>家人浮躁，腿脚与肝脏受累，钱财来得快去得也快。</translation>
    </message>
    <message>
        <source>Driven people who win ground; money from land after hard bargaining.</source>
        <translation>家人进取，开疆辟土，艰难议价后从田地得财。</translation>
    </message>
    <message>
        <source>斗牛煞: shouting, feuds and lawsuits; money lost in disputes over land.</source>
        <translation>斗牛煞：争吵结怨，官司缠身，钱财因地产纠纷而失。</translation>
    </message>
    <message>
        <source>Double wood: the eldest son thrives; vigour and fast-growing business.</source>
        <translation>双三木：长子兴旺，家人有朝气，生意快速成长。</translation>
    </message>
    <message>
        <source>Double wood: tempers flare, theft and lawsuits; money lost to rivals.</source>
        <translation>双三木：脾气暴躁，盗窃官非，钱财被对手夺去。</translation>
    </message>
    <message>
        <source>Two woods in a grove: lively, cultured people; gains from writing and design.</source>
        <translation>两木成林：家人活泼有文采，从写作设计中得益。</translation>
    </message>
    <message>
        <source>Wind and thunder restless: nervous people; money scattered by whims.</source>
        <translation>风雷不宁：家人神经紧张，钱财因一时兴起而散失。</translation>
    </message>
    <message>
        <source>Bold people who dare; big ventures pay while the 5 rules the period.</source>
        <translation>家人敢作敢为；五黄当令时，大举投资有回报。</translation>
    </message>
    <message>
        <source>Wood meets the 5: liver and leg injuries, and costly accidents.</source>
        <translation>木遇五黄：肝脏腿脚受伤，意外破财。</translation>
    </message>
    <message>
        <source>Young people promoted by their elders; money from firm employers.</source>
        <translation>晚辈得长辈提拔，收入来自稳固的雇主。</translation>
    </message>
    <message>
        <source>Metal chops wood: the eldest son hurt or at odds with the father; legal costs.</source>
        <translation>金克木：长子受伤或与父亲不和，官司耗财。</translation>
    </message>
    <message>
        <source>Quick, bold people; income from speech and sales, held firmly.</source>
        <translation>家人敏捷果敢，靠口才推销赚钱，守得住财。</translation>
    </message>
    <message>
        <source>穿心煞: robbery and break-ins, injury by blades; guard goods and cash.</source>
        <translation>穿心煞：劫盗入屋，刀伤之患，须看好财物。</translation>
    </message>
    <message>
        <source>Eager sons and sound property: business expands on firm ground.</source>
        <translation>儿子上进，物业稳健，生意在稳固基础上扩展。</translation>
    </message>
    <message>
        <source>Wood digs earth: the youngest son hurt, stomach and hands; land disputes.</source>
        <translation>木克土：幼子受伤，肠胃手部有疾，田产纠纷。</translation>
    </message>
    <message>
        <source>Wood feeds fire: bright, rising people; fame that brings money.</source>
        <translation>木生火：家人聪明上进，名声带来财富。</translation>
    </message>
    <message>
        <source>Hot heads and quick words; money burnt in haste.</source>
        <translation>性急言快，钱财因仓促行事而耗尽。</translation>
    </message>
    <message>
        <source>Refined, studious people; income from learning, travel and letters.</source>
        <translation>家人文雅好学，收入来自学问、出行与书信。</translation>
    </message>
    <message>
        <source>Dreamers led astray by romance; money spent on drink and pleasure.</source>
        <translation>家人耽于幻想，为情所迷，钱财花在酒色上。</translation>
    </message>
    <message>
        <source>Gentle people; money from teaching, books or the land, slowly.</source>
        <translation>家人温和；从教学、书籍或田地中慢慢得财。</translation>
    </message>
    <message>
        <source>Wood over earth: the mother unwell, stomach trouble; slow, stuck income.</source>
        <translation>木压土：母亲不适，肠胃有病，收入迟滞。</translation>
    </message>
    <message>
        <source>A grove: cultured, lively people; income from the arts and media.</source>
        <translation>成林之象：家人有文化，活泼；从艺术与传媒得财。</translation>
    </message>
    <message>
        <source>Thunder and wind: nerves frayed, sisters and brothers quarrel; money drifts.</source>
        <translation>雷风相薄：神经紧绷，兄弟姐妹争吵，钱财飘散。</translation>
    </message>
    <message>
        <source>Double wood: the eldest daughter shines; fame from study and writing.</source>
        <translation>双四木：长女出众，因读书写作而扬名。</translation>
    </message>
    <message>
        <source>Double wood: scandal and wandering, with breathing trouble; vague plans.</source>
        <translation>双四木：桃色是非，漂泊不定，呼吸有疾，计划含糊。</translation>
    </message>
    <message>
        <source>Gifted people who hold on; fortune from ventures only while 5 rules.</source>
        <translation>家人有才，守得住；唯五黄当令时投资有利。</translation>
    </message>
    <message>
        <source>The 5 meets wood: breast or liver illness and losses through bad advice.</source>
        <translation>五黄遇木：乳房或肝脏有病，误信人言而破财。</translation>
    </message>
    <message>
        <source>Well-read people gain patrons; money from office and firm posts.</source>
        <translation>家人博学，得贵人扶持，从官职与稳定岗位得财。</translation>
    </message>
    <message>
        <source>Metal cuts wood: the eldest daughter pressed hard; hips and lungs ache.</source>
        <translation>金克木：长女受压，腰胯与肺部疼痛。</translation>
    </message>
    <message>
        <source>Charming, well-spoken people; money from the arts of talk.</source>
        <translation>家人风趣，能言善道，靠口才技艺赚钱。</translation>
    </message>
    <message>
        <source>Metal cuts wood: gossip and jealousy between women; money lost to flattery.</source>
        <translation>金克木：女子间闲话嫉妒，钱财被奉承者骗去。</translation>
    </message>
    <message>
        <source>Learned sons and sound land: study pays off in property.</source>
        <translation>儿子有学识，根基稳，学问换来物业。</translation>
    </message>
    <message>
        <source>Wood digs earth: the youngest son unwell; land deals stall in paperwork.</source>
        <translation>木克土：幼子不适，田产交易卡在文书手续。</translation>
    </message>
    <message>
        <source>Wood feeds fire: bright scholars; fame and honours bring money.</source>
        <translation>木生火：家中出才子，名誉荣耀带来钱财。</translation>
    </message>
    <message>
        <source>Restless, fiery people; money burnt on appearances.</source>
        <translation>家人浮躁火旺，钱财耗于外表排场。</translation>
    </message>
    <message>
        <source>Strong-willed people in command; income steady if the ground stays still.</source>
        <translation>家人意志坚定，掌握大局；地气安静时收入平稳。</translation>
    </message>
    <message>
        <source>The 5 over water: kidney and ear illness; money lost to sudden trouble.</source>
        <translation>五黄压水：肾耳有疾，钱财因突发之事而失。</translation>
    </message>
    <message>
        <source>二五交加 held in its own period: command over land and its income.</source>
        <translation>二五交加在本运得令：掌控田地及其收益。</translation>
    </message>
    <message>
        <source>二五交加: grave illness and bereavement; money drained by misfortune.</source>
        <translation>二五交加：重病丧事，钱财被灾祸耗尽。</translation>
    </message>
    <message>
        <source>People of power who build; large ventures pay while the 5 rules.</source>
        <translation>家人有权势，善建设；五黄当令时大项目有回报。</translation>
    </message>
    <message>
        <source>Accidents to limbs and liver, and money lost in lawsuits.</source>
        <translation>四肢肝脏有意外之伤，钱财因官司而失。</translation>
    </message>
    <message>
        <source>Powerful people with learning; income from authority over words.</source>
        <translation>家人有权又有学问，靠掌管文书而得财。</translation>
    </message>
    <message>
        <source>Illness from a hidden source, affairs and losses through bad contracts.</source>
        <translation>病源隐伏，桃色纠纷，因不良合约而破财。</translation>
    </message>
    <message>
        <source>Double 5 in its own period: great power and command over wealth.</source>
        <translation>双五黄在本运得令：大权在握，掌控财富。</translation>
    </message>
    <message>
        <source>Double 5: the worst of illness and mishap; guard health and money alike.</source>
        <translation>双五黄：疾病灾祸最重，健康钱财都须严防。</translation>
    </message>
    <message>
        <source>Earth feeds metal: forceful leaders; income from rank and authority.</source>
        <translation>土生金：家人有魄力善领导，收入来自职位权力。</translation>
    </message>
    <message>
        <source>The father&apos;s health at risk, head and lungs; money lost to officials.</source>
        <translation>父亲健康堪忧，头部肺部有疾，钱财耗于官府。</translation>
    </message>
    <message>
        <source>Earth feeds metal: commanding speakers; money from persuasion.</source>
        <translation>土生金：家人说话有分量，凭说服力赚钱。</translation>
    </message>
    <message>
        <source>Poison in the mouth: food poisoning, rash words and fraud.</source>
        <translation>口中有毒：食物中毒，出言不慎，受骗破财。</translation>
    </message>
    <message>
        <source>Stable, powerful people; land and savings held firmly.</source>
        <translation>家人稳重有权势，田产积蓄牢牢守住。</translation>
    </message>
    <message>
        <source>Stubborn illness of the stomach and bones; property that sinks in value.</source>
        <translation>肠胃骨骼顽疾，物业贬值。</translation>
    </message>
    <message>
        <source>Fire feeds the 5: fierce ambition that pays while the 5 rules.</source>
        <translation>火生五黄：雄心勃勃，五黄当令时有回报。</translation>
    </message>
    <message>
        <source>Fire feeds the 5: poison at its worst; fevers, fire and sudden loss.</source>
        <translation>火生五黄：毒气最盛，发烧火灾，骤然破财。</translation>
    </message>
    <message>
        <source>一六共宗: leaders rise here, and their standing brings contracts and salary.</source>
        <translation>一六共宗：此处出领袖，地位带来合约与薪俸。</translation>
    </message>
    <message>
        <source>一六共宗 out of season: cold and lonely at the top; income without joy.</source>
        <translation>一六共宗失令：高处不胜寒，有收入而无欢乐。</translation>
    </message>
    <message>
        <source>Elders who lead with care; income from land and loyal staff.</source>
        <translation>长辈以关怀领导家人，收入来自田地与忠诚的员工。</translation>
    </message>
    <message>
        <source>An ailing father and a worried mother; money spent on their care.</source>
        <translation>父亲多病，母亲忧心，钱财花在照料上。</translation>
    </message>
    <message>
        <source>Leaders who nurture the young; money from new ventures they back.</source>
        <translation>领导者栽培后辈，从所扶持的新事业中得财。</translation>
    </message>
    <message>
        <source>Metal chops wood: father and eldest son at odds; legs and lawsuits.</source>
        <translation>金克木：父亲与长子不和，腿脚受伤，官司缠身。</translation>
    </message>
    <message>
        <source>Men of rank who value learning; income from publishing or advice.</source>
        <translation>有地位者重视学问，收入来自出版或咨询。</translation>
    </message>
    <message>
        <source>Metal cuts wood: the eldest daughter pressed by authority; wasted study.</source>
        <translation>金克木：长女受权威压制，学业荒废。</translation>
    </message>
    <message>
        <source>Authority backed by power; income from command while the 5 rules.</source>
        <translation>权威有实力支撑，五黄当令时靠指挥得财。</translation>
    </message>
    <message>
        <source>The 5 over metal: the father&apos;s illness and accidents to the head.</source>
        <translation>五黄压金：父亲有病，头部意外受伤。</translation>
    </message>
    <message>
        <source>Double metal: strong leaders and promotion; money from high office.</source>
        <translation>双六金：出强势领导，升迁有望，从高位得财。</translation>
    </message>
    <message>
        <source>Double metal: a lonely, stern household; head and lung ills.</source>
        <translation>双六金：家中孤寒严峻，头部肺部有疾。</translation>
    </message>
    <message>
        <source>Two metals in line: disciplined people; income from law or arms.</source>
        <translation>两金并列：家人有纪律，收入来自法律或军警行业。</translation>
    </message>
    <message>
        <source>交剑煞: fights and blades, robbery and clashes among the family.</source>
        <translation>交剑煞：争斗刀伤，劫掠之事，家人相冲。</translation>
    </message>
    <message>
        <source>六八: elders of standing and a fortune in property and savings.</source>
        <translation>六八：长辈有地位，物业与积蓄丰厚。</translation>
    </message>
    <message>
        <source>六八 out of season: wealth held but tight-fisted; the elders grow rigid.</source>
        <translation>六八失令：有财而吝啬，长辈日趋固执。</translation>
    </message>
    <message>
        <source>Fire tempers metal: leaders of renown; wealth through public honour.</source>
        <translation>火炼金：领导有名望，凭公众荣誉得财。</translation>
    </message>
    <message>
        <source>火烧天门: the elders wronged or ailing, head and lungs; rows with the father.</source>
        <translation>火烧天门：长辈受屈或患病，头肺有疾，与父亲争吵。</translation>
    </message>
    <message>
        <source>Eloquent people with wit; income from travel, trade and talk.</source>
        <translation>家人口才好有机智，收入来自出行、贸易与口才。</translation>
    </message>
    <message>
        <source>Silver tongues and loose morals; money lost to drink and pleasure.</source>
        <translation>花言巧语，品行不端，钱财耗于酒色。</translation>
    </message>
    <message>
        <source>Warm talkers and healers; money from food, medicine or land.</source>
        <translation>家人健谈善医，从饮食、医药或田地得财。</translation>
    </message>
    <message>
        <source>Mouth and stomach ills; money spent on doctors and rumours.</source>
        <translation>口腔肠胃有病，钱财花在医生与流言上。</translation>
    </message>
    <message>
        <source>Bold talkers who win; money from sales and quick deals.</source>
        <translation>家人敢说敢为，靠销售与快速交易得财。</translation>
    </message>
    <message>
        <source>穿心煞: robbery, break-ins and knife wounds; keep cash and doors secure.</source>
        <translation>穿心煞：劫盗入屋，刀伤之患，现金门户要守牢。</translation>
    </message>
    <message>
        <source>Charming, well-read people; income from writing, art and speech.</source>
        <translation>家人风趣博学，收入来自写作、艺术与演讲。</translation>
    </message>
    <message>
        <source>Gossip and jealousy among the women; money wasted on flattery.</source>
        <translation>女眷之间闲话嫉妒，钱财浪费在奉承上。</translation>
    </message>
    <message>
        <source>Forceful speakers; income from persuasion while the 5 rules.</source>
        <translation>家人说话有力，五黄当令时凭说服力得财。</translation>
    </message>
    <message>
        <source>Poisoned words and food: mouth illness, fraud and sudden loss.</source>
        <translation>言语饮食带毒：口疾、欺诈与骤然破财。</translation>
    </message>
    <message>
        <source>Disciplined people in uniform; income from law, arms or finance.</source>
        <translation>家人纪律严明，收入来自法律、军警或金融。</translation>
    </message>
    <message>
        <source>交剑煞: quarrels turn to blows; robbery and injury by metal.</source>
        <translation>交剑煞：争吵演成斗殴，劫掠与金属所伤。</translation>
    </message>
    <message>
        <source>Double metal: eloquent youth; money from speech, law or sales.</source>
        <translation>双七金：年轻人口才出众，从演讲、法律或销售得财。</translation>
    </message>
    <message>
        <source>Double metal: gossip, robbery and lung or mouth trouble.</source>
        <translation>双七金：闲话劫盗，肺部口腔有疾。</translation>
    </message>
    <message>
        <source>Earth feeds metal: cheerful young people; steady money from property.</source>
        <translation>土生金：年轻人开朗，物业带来稳定收入。</translation>
    </message>
    <message>
        <source>Youngest children at odds; land deals spoiled by empty promises.</source>
        <translation>幼年子女不和，田产交易被空头承诺所误。</translation>
    </message>
    <message>
        <source>回禄, held for now: quick minds and lively talk; still guard against fire.</source>
        <translation>回禄暂且受制：家人机敏健谈，仍须防火。</translation>
    </message>
    <message>
        <source>回禄: fire at home and hot tempers; check wiring and stoves.</source>
        <translation>回禄：家中火灾，脾气火爆，要检查电线炉灶。</translation>
    </message>
    <message>
        <source>Steady, wise people; income from travel and skill flows in.</source>
        <translation>家人稳重睿智，出行与技能带来收入。</translation>
    </message>
    <message>
        <source>Earth dams water: the middle son strained, kidneys weak; money stuck.</source>
        <translation>土堵水：次子劳累，肾气虚弱，钱财周转不灵。</translation>
    </message>
    <message>
        <source>Grounded people and firm land: wealth from property and farming.</source>
        <translation>家人踏实，地基稳固，从物业与农牧得财。</translation>
    </message>
    <message>
        <source>Heavy hearts, stomach ills; land that ties money up.</source>
        <translation>心情沉重，肠胃有病，田产积压资金。</translation>
    </message>
    <message>
        <source>Young sons who grow; property put to new and busy use.</source>
        <translation>少男成长，物业得到新而兴旺的用途。</translation>
    </message>
    <message>
        <source>Wood digs earth: the youngest son hurt; quarrels over property.</source>
        <translation>木克土：幼子受伤，因物业而起争执。</translation>
    </message>
    <message>
        <source>Calm, learned people; money from books, schools or land.</source>
        <translation>家人沉静有学识，从书籍、学校或田地得财。</translation>
    </message>
    <message>
        <source>Wood digs earth: the youngest son unwell; paperwork over land drags on.</source>
        <translation>木克土：幼子不适，田产文书拖延不决。</translation>
    </message>
    <message>
        <source>Solid, powerful people; property held firmly while the 5 rules.</source>
        <translation>家人稳健有势，五黄当令时物业牢固。</translation>
    </message>
    <message>
        <source>The 5 on earth: stomach and bone illness; land that loses value.</source>
        <translation>五黄临土：肠胃骨骼有病，田产贬值。</translation>
    </message>
    <message>
        <source>六八: the young learn from elders; wealth from rank and property.</source>
        <translation>六八：后辈向长辈学习，从地位与物业中得财。</translation>
    </message>
    <message>
        <source>六八 out of season: hard-won savings held too tightly; elders rigid.</source>
        <translation>六八失令：辛苦积蓄守得太紧，长辈固执。</translation>
    </message>
    <message>
        <source>Earth feeds metal: a content household; cash from sales and speech.</source>
        <translation>土生金：家人知足，靠销售与口才进账。</translation>
    </message>
    <message>
        <source>Idle talk at home; money frittered on treats and trifles.</source>
        <translation>家中闲话多，钱财浪费在零食小物上。</translation>
    </message>
    <message>
        <source>Double 8: a stable household and wealth from land that keeps growing.</source>
        <translation>双八土：家道安稳，田产财富不断增长。</translation>
    </message>
    <message>
        <source>Double 8 out of season: stubborn habits and stagnant property.</source>
        <translation>双八失令：习惯固执，物业停滞不前。</translation>
    </message>
    <message>
        <source>八九: weddings, births and celebrations; property gains in value.</source>
        <translation>八九：婚嫁添丁喜事连连，物业增值。</translation>
    </message>
    <message>
        <source>八九 out of season: celebrations that cost more than they bring.</source>
        <translation>八九失令：喜庆之事花费多于所得。</translation>
    </message>
    <message>
        <source>Bright people with balance; fame turns into income from travel.</source>
        <translation>家人聪明有分寸，名声化作出行得来的收入。</translation>
    </message>
    <message>
        <source>Fire and water clash: eye and heart strain, and money lost in haste.</source>
        <translation>水火相冲：眼睛心脏劳损，仓促行事而破财。</translation>
    </message>
    <message>
        <source>Fire feeds earth: warm, famous people; money from land and care.</source>
        <translation>火生土：家人热情有名气，从田地与照护行业得财。</translation>
    </message>
    <message>
        <source>Fire feeds the sick star: hidden illness spreads; money spent on cures.</source>
        <translation>火生病星：隐疾蔓延，钱财花在治病上。</translation>
    </message>
    <message>
        <source>Wood feeds fire: brilliant people rise fast; income from new ideas.</source>
        <translation>木生火：家人才华出众，迅速崛起，新构想带来收入。</translation>
    </message>
    <message>
        <source>Quick to anger and to spend; money burnt on show.</source>
        <translation>易怒又好花钱，钱财耗于排场。</translation>
    </message>
    <message>
        <source>Wood feeds fire: scholars of renown; income from publishing and fame.</source>
        <translation>木生火：出有名望的学者，从出版与名声得财。</translation>
    </message>
    <message>
        <source>Vanity and romance cloud the mind; money spent to be admired.</source>
        <translation>虚荣与情事蒙蔽心智，为博人赞赏而花钱。</translation>
    </message>
    <message>
        <source>Fire feeds the 5: fierce drive that pays while the 5 rules.</source>
        <translation>火生五黄：干劲十足，五黄当令时有回报。</translation>
    </message>
    <message>
        <source>Fire feeds the 5: fevers, eye trouble and fire; losses without warning.</source>
        <translation>火生五黄：发烧眼疾火灾，毫无预兆地破财。</translation>
    </message>
    <message>
        <source>Fire tempers metal: leaders with renown; wealth from authority.</source>
        <translation>火炼金：领导有声望，凭权威得财。</translation>
    </message>
    <message>
        <source>火烧天门: strife with the father or boss; headaches and lung trouble.</source>
        <translation>火烧天门：与父亲或上司冲突，头痛肺疾。</translation>
    </message>
    <message>
        <source>回禄, held for now: lively people and cash from entertainment; mind the fire.</source>
        <translation>回禄暂且受制：家人活泼，从娱乐得现金，仍要小心火烛。</translation>
    </message>
    <message>
        <source>回禄: fire, burns and heated rows; money lost in flames or in court.</source>
        <translation>回禄：火灾烫伤，争吵激烈，钱财毁于火或官司。</translation>
    </message>
    <message>
        <source>八九: joyful news, weddings and births; property gains in value.</source>
        <translation>八九：喜讯连连，婚嫁添丁，物业增值。</translation>
    </message>
    <message>
        <source>八九 out of season: festive spending that leaves property thin.</source>
        <translation>八九失令：喜庆开支过大，物业日渐单薄。</translation>
    </message>
    <message>
        <source>Double fire: fame, honours and joyful events; money from renown.</source>
        <translation>双九火：名誉荣耀，喜事临门，凭声望得财。</translation>
    </message>
    <message>
        <source>Double fire: eye and heart trouble, hot tempers and risk of fire.</source>
        <translation>双九火：眼睛心脏有疾，脾气火爆，有火灾之险。</translation>
    </message>
    <message>
        <source>prosperous</source>
        <translation>旺</translation>
    </message>
    <message>
        <source>growing</source>
        <translation>生</translation>
    </message>
    <message>
        <source>retreating</source>
        <translation>退</translation>
    </message>
    <message>
        <source>dead</source>
        <translation>死</translation>
    </message>
    <message>
        <source>killing</source>
        <translation>煞</translation>
    </message>
    <message>
        <source>favourable</source>
        <translation>吉</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>吉凶参半</translation>
    </message>
    <message>
        <source>unfavourable</source>
        <translation>凶</translation>
    </message>
    <message>
        <source>the same phase (比和)</source>
        <translation>比和（同五行）</translation>
    </message>
    <message>
        <source>the mountain star feeds the facing star</source>
        <translation>山星生向星</translation>
    </message>
    <message>
        <source>the facing star feeds the mountain star</source>
        <translation>向星生山星</translation>
    </message>
    <message>
        <source>the mountain star controls the facing star</source>
        <translation>山星克向星</translation>
    </message>
    <message>
        <source>the facing star controls the mountain star</source>
        <translation>向星克山星</translation>
    </message>
    <message>
        <source>career</source>
        <translation>事业</translation>
    </message>
    <message>
        <source>celebration</source>
        <translation>喜庆</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>争斗</translation>
    </message>
    <message>
        <source>elders</source>
        <translation>长辈</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>火灾</translation>
    </message>
    <message>
        <source>illness</source>
        <translation>疾病</translation>
    </message>
    <message>
        <source>quarrels</source>
        <translation>口舌是非</translation>
    </message>
    <message>
        <source>robbery</source>
        <translation>劫盗</translation>
    </message>
    <message>
        <source>study</source>
        <translation>学业</translation>
    </message>
    <message>
        <source>wealth</source>
        <translation>财运</translation>
    </message>
    <message>
        <source>太岁 (Grand Duke)</source>
        <translation>太岁</translation>
    </message>
    <message>
        <source>no digging or renovation here this year, and do not sit facing it.</source>
        <translation>今年此处不宜动土装修，也不宜坐向此方。</translation>
    </message>
    <message>
        <source>岁破 (Year Breaker)</source>
        <translation>岁破</translation>
    </message>
    <message>
        <source>no digging or renovation here this year; keep heavy work and noise away.</source>
        <translation>今年此处不宜动土装修，避免重活与噪音。</translation>
    </message>
    <message>
        <source>三煞 (Three Killings)</source>
        <translation>三煞</translation>
    </message>
    <message>
        <source>no digging or renovation here this year; sit with it behind you, never facing it.</source>
        <translation>今年此处不宜动土装修；宜背坐此方，切勿面向。</translation>
    </message>
    <message>
        <source>五黄 (Five Yellow)</source>
        <translation>五黄</translation>
    </message>
    <message>
        <source>no digging or renovation here this year; keep it still, and let metal drain it.</source>
        <translation>今年此处不宜动土装修；保持安静，可用金属化泄。</translation>
    </message>
    <message>
        <source>二黑 (Two Black)</source>
        <translation>二黑</translation>
    </message>
    <message>
        <source>keep it quiet and clean this year; ill health: do not sleep or nurse the sick here.</source>
        <translation>今年此处宜安静整洁；主疾病：不宜在此睡卧或养病。</translation>
    </message>
    <message>
        <source>月破 (Month Breaker)</source>
        <translation>月破</translation>
    </message>
    <message>
        <source>no digging or renovation here this month.</source>
        <translation>本月此处不宜动土装修。</translation>
    </message>
    <message>
        <source>月三煞 (the month&apos;s Three Killings)</source>
        <translation>月三煞</translation>
    </message>
    <message>
        <source>no digging or renovation here this month, and do not sit facing it.</source>
        <translation>本月此处不宜动土装修，也不宜坐向此方。</translation>
    </message>
    <message>
        <source>月五黄 (the month&apos;s Five Yellow)</source>
        <translation>月五黄</translation>
    </message>
    <message>
        <source>no digging or renovation here this month; keep it still.</source>
        <translation>本月此处不宜动土装修；保持安静。</translation>
    </message>
    <message>
        <source>月二黑 (the month&apos;s Two Black)</source>
        <translation>月二黑</translation>
    </message>
    <message>
        <source>keep it quiet and clean this month; ill health: do not nurse the sick here.</source>
        <translation>本月此处宜安静整洁；主疾病：不宜在此养病。</translation>
    </message>
    <message>
        <source>四一同宫</source>
        <translation>四一同宫</translation>
    </message>
    <message>
        <source>一六共宗</source>
        <translation>一六共宗</translation>
    </message>
    <message>
        <source>六八</source>
        <translation>六八</translation>
    </message>
    <message>
        <source>八九</source>
        <translation>八九</translation>
    </message>
    <message>
        <source>二五交加</source>
        <translation>二五交加</translation>
    </message>
    <message>
        <source>斗牛煞</source>
        <translation>斗牛煞</translation>
    </message>
    <message>
        <source>穿心煞</source>
        <translation>穿心煞</translation>
    </message>
    <message>
        <source>交剑煞</source>
        <translation>交剑煞</translation>
    </message>
    <message>
        <source>回禄</source>
        <translation>回禄</translation>
    </message>
    <message>
        <source>火烧天门</source>
        <translation>火烧天门</translation>
    </message>
    <message>
        <source>%1 of the year</source>
        <translation>年星%1</translation>
    </message>
    <message>
        <source>%1 of the month</source>
        <translation>月星%1</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 of the year (%2)</source>
        <translation>年星%1（%2）</translation>
    </message>
    <message>
        <source>%1 of the month (%2)</source>
        <translation>月星%1（%2）</translation>
    </message>
    <message>
        <source>mountain %1 %2, facing %3 %4, %5: %6</source>
        <translation>山星%1%2，向星%3%4，%5：%6</translation>
    </message>
    <message>
        <source> Visiting: %1.</source>
        <translation>到宫飞星：%1。</translation>
    </message>
    <message>
        <source> %1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>PlanImage</name>
    <message>
        <source>The %1 image is damaged or cut short.</source>
        <translation>%1 图像已损坏或不完整。</translation>
    </message>
    <message>
        <source>The file is neither an image Orrindel can read nor a PDF.</source>
        <translation>该文件既不是 Orrindel 能读取的图像，也不是 PDF。</translation>
    </message>
    <message>
        <source>An image has one page; there is no page %1.</source>
        <translation>图像只有一页，没有第 %1 页。</translation>
    </message>
    <message>
        <source>The image claims %1 × %2 pixels; a plan may have at most %3 megapixels and %4 pixels a side.</source>
        <translation>该图像声明为 %1 × %2 像素；平面图最多 %3 百万像素，每边最多 %4 像素。</translation>
    </message>
    <message>
        <source>The PDF is locked with a password.</source>
        <translation>该 PDF 有密码保护。</translation>
    </message>
    <message>
        <source>The file begins as a PDF but is damaged or not a PDF.</source>
        <translation>该文件开头像 PDF，但已损坏或并非 PDF。</translation>
    </message>
    <message>
        <source>The PDF has no page %1; its last page is %2.</source>
        <translation>该 PDF 没有第 %1 页；最后一页是第 %2 页。</translation>
    </message>
    <message>
        <source>Page %1 of the PDF has no size.</source>
        <translation>PDF 的第 %1 页没有尺寸。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, the most a plan may be.</source>
        <translation>文件大于 %1 MB，超过平面图的上限。</translation>
    </message>
    <message>
        <source>Page %1 of the PDF cannot be drawn.</source>
        <translation>无法绘制 PDF 的第 %1 页。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most a plan may be.</source>
        <translation>%1 大于 %2 MB，超过平面图的上限。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>%1 (sitting %2, facing %3; %4/%5)</source>
        <translation>%1（坐%2向%3；%4/%5）</translation>
    </message>
    <message>
        <source>%1 degrees from the centre of %2</source>
        <translation>距%2山中线 %1 度</translation>
    </message>
    <message>
        <source>standard, within %1 degrees of the centre: the standard chart applies</source>
        <translation>正向，距中线 %1 度以内：用下卦</translation>
    </message>
    <message>
        <source>leaning (兼向), %1 / %2: most schools read the replacement chart</source>
        <translation>兼向，%1 / %2：多数流派用替卦</translation>
    </message>
    <message>
        <source>major (大空亡), within %1 degrees of a sector&apos;s boundary: measure again</source>
        <translation>大空亡，距两卦交界 %1 度以内：请重新测量</translation>
    </message>
    <message>
        <source>minor (小空亡), within %1 degrees of a mountain&apos;s boundary: measure again</source>
        <translation>小空亡，距两山交界 %1 度以内：请重新测量</translation>
    </message>
    <message>
        <source>none, more than %1 degrees from a boundary</source>
        <translation>无，距交界超过 %1 度</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>不属四种格局</translation>
    </message>
    <message>
        <source>solar month %1 (%2)</source>
        <translation>%1月（%2）</translation>
    </message>
    <message>
        <source>Replacement chart (替卦)</source>
        <translation>替卦星盘</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>the mountain and the facing charts</source>
        <translation>山盘和向盘</translation>
    </message>
    <message>
        <source>the mountain chart</source>
        <translation>山盘</translation>
    </message>
    <message>
        <source>the facing chart</source>
        <translation>向盘</translation>
    </message>
    <message>
        <source>undetermined (period star 5)</source>
        <translation>未定（运星为 5）</translation>
    </message>
    <message>
        <source>usable</source>
        <translation>可用</translation>
    </message>
    <message>
        <source>not usable</source>
        <translation>不可用</translation>
    </message>
    <message>
        <source>%1: none</source>
        <translation>%1：无</translation>
    </message>
    <message>
        <source>五黄 %1, 二黑 %2</source>
        <translation>五黄 %1，二黑 %2</translation>
    </message>
    <message>
        <source>合十, sum of ten in %1: its star and the period star add up to ten in every palace.</source>
        <translation>合十（%1）：每宫此盘之星与运星之和为十。</translation>
    </message>
    <message>
        <source>父母三般, parent string: in every palace the period, mountain and facing stars are 1, 4, 7 or 2, 5, 8 or 3, 6, 9.</source>
        <translation>父母三般：每宫运星、山星、向星为 1、4、7，2、5、8 或 3、6、9。</translation>
    </message>
    <message>
        <source>连珠三般, pearl string: in every palace the period, mountain and facing stars are three numbers in a row (1 follows 9).</source>
        <translation>连珠三般：每宫运星、山星、向星为三个相连之数（9 之后为 1）。</translation>
    </message>
    <message>
        <source>伏吟 in %1: every palace holds its own Lo Shu number, as when 5 enters the centre and flies forward.</source>
        <translation>伏吟（%1）：每宫为本宫洛书之数，如五入中顺飞。</translation>
    </message>
    <message>
        <source>反吟 in %1: every palace holds ten less its own Lo Shu number, as when 5 enters the centre and flies in reverse.</source>
        <translation>反吟（%1）：每宫为十减本宫洛书之数，如五入中逆飞。</translation>
    </message>
    <message>
        <source>离宫打劫, the true seven-star robbery</source>
        <translation>离宫打劫（真七星打劫）</translation>
    </message>
    <message>
        <source>坎宫打劫, the false seven-star robbery</source>
        <translation>坎宫打劫（假七星打劫）</translation>
    </message>
    <message>
        <source>%1: double stars at the facing; usable.</source>
        <translation>%1：双星到向；可用。</translation>
    </message>
    <message>
        <source>%1: double stars at the facing; not usable, as a star chart is 伏吟.</source>
        <translation>%1：双星到向；因星盘伏吟，不可用。</translation>
    </message>
    <message>
        <source>正城门, main castle gate: %1 at %2, period star %3; %4.</source>
        <translation>正城门：%1宫%2山，运星 %3；%4。</translation>
    </message>
    <message>
        <source>副城门, secondary castle gate: %1 at %2, period star %3; %4.</source>
        <translation>副城门：%1宫%2山，运星 %3；%4。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>太岁 (Grand Duke) %1; 岁破 (Year Breaker) %2; 三煞 (Three Killings) %3.</source>
        <translation>太岁 %1；岁破 %2；三煞 %3。</translation>
    </message>
    <message>
        <source>月破 (Month Breaker) %1; 三煞 (Three Killings) %2.</source>
        <translation>月破 %1；三煞 %2。</translation>
    </message>
    <message>
        <source>五黄</source>
        <translation>五黄</translation>
    </message>
    <message>
        <source>二黑</source>
        <translation>二黑</translation>
    </message>
    <message>
        <source>阳遁 (yang)</source>
        <translation>阳遁</translation>
    </message>
    <message>
        <source>阴遁 (yin)</source>
        <translation>阴遁</translation>
    </message>
    <message>
        <source>%1 day, %2, centre %3</source>
        <translation>%1日，%2，中宫 %3</translation>
    </message>
    <message>
        <source>%1 hour (%2), %3, centre %4</source>
        <translation>%1时（%2），%3，中宫 %4</translation>
    </message>
    <message>
        <source>Formations</source>
        <translation>特定格局</translation>
    </message>
    <message>
        <source>Castle gates</source>
        <translation>城门</translation>
    </message>
    <message>
        <source>Replacement chart formations</source>
        <translation>替卦特定格局</translation>
    </message>
    <message>
        <source>Replacement chart castle gates</source>
        <translation>替卦城门</translation>
    </message>
    <message>
        <source>Year afflictions, %1 year: %2; %3</source>
        <translation>流年煞（%1年）：%2；%3</translation>
    </message>
    <message>
        <source>Month afflictions, %1 month: %2; %3</source>
        <translation>流月煞（%1月）：%2；%3</translation>
    </message>
    <message>
        <source>Daily stars %1: %2</source>
        <translation>日飞星 %1：%2</translation>
    </message>
    <message>
        <source>Hourly stars %1: %2</source>
        <translation>时飞星 %1：%2</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1：</translation>
    </message>
</context>
<context>
    <name>SolarTerm</name>
    <message>
        <source>小寒</source>
        <translation>小寒</translation>
    </message>
    <message>
        <source>立春</source>
        <translation>立春</translation>
    </message>
    <message>
        <source>驚蟄</source>
        <translation>惊蛰</translation>
    </message>
    <message>
        <source>清明</source>
        <translation>清明</translation>
    </message>
    <message>
        <source>立夏</source>
        <translation>立夏</translation>
    </message>
    <message>
        <source>芒種</source>
        <translation>芒种</translation>
    </message>
    <message>
        <source>小暑</source>
        <translation>小暑</translation>
    </message>
    <message>
        <source>立秋</source>
        <translation>立秋</translation>
    </message>
    <message>
        <source>白露</source>
        <translation>白露</translation>
    </message>
    <message>
        <source>寒露</source>
        <translation>寒露</translation>
    </message>
    <message>
        <source>立冬</source>
        <translation>立冬</translation>
    </message>
    <message>
        <source>大雪</source>
        <translation>大雪</translation>
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
    <message>
        <source>Keep the house register in FILE.</source>
        <translation>将房屋登记册保存在 FILE 中。</translation>
    </message>
</context>
<context>
    <name>orrindel::ChartDetails</name>
    <message>
        <source>Chart:</source>
        <translation>星盘：</translation>
    </message>
    <message>
        <source>Mountains:</source>
        <translation>山向：</translation>
    </message>
    <message>
        <source>Offset:</source>
        <translation>偏移：</translation>
    </message>
    <message>
        <source>Lean:</source>
        <translation>立向：</translation>
    </message>
    <message>
        <source>Void line:</source>
        <translation>空亡：</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>元运：</translation>
    </message>
    <message>
        <source>Formation:</source>
        <translation>格局：</translation>
    </message>
    <message>
        <source>%1, %2 palace</source>
        <translation>%1，%2宫</translation>
    </message>
    <message>
        <source>mountain star %1, facing star %2, time star %3</source>
        <translation>山星 %1，向星 %2，运星 %3</translation>
    </message>
    <message>
        <source>, sitting palace</source>
        <translation>，坐宫</translation>
    </message>
    <message>
        <source>Chart Details</source>
        <translation>星盘详情</translation>
    </message>
    <message>
        <source>Standard chart (下卦)</source>
        <translation>下卦星盘</translation>
    </message>
    <message>
        <source>Monthly stars</source>
        <translation>月飞星</translation>
    </message>
    <message>
        <source>&amp;Copy as Text</source>
        <translation>复制为文本(&amp;C)</translation>
    </message>
    <message>
        <source>year %1, facing %2 degrees</source>
        <translation>建造年份 %1，朝向 %2 度</translation>
    </message>
    <message>
        <source>In each square the mountain star is on the left, the facing star on the right and the time star below; the shaded square is the sitting palace.</source>
        <translation>每格左为山星，右为向星，下为运星；有底色的方格为坐宫。</translation>
    </message>
    <message>
        <source>Formation: %1.</source>
        <translation>格局：%1。</translation>
    </message>
    <message>
        <source>The same as the standard chart.</source>
        <translation>与下卦相同。</translation>
    </message>
    <message>
        <source>monthly star %1</source>
        <translation>月飞星 %1</translation>
    </message>
    <message>
        <source>No chart is calculated: calculate one in the main window.</source>
        <translation>尚未计算星盘：请在主窗口中计算。</translation>
    </message>
    <message>
        <source>%1: %2, from %3 to %4</source>
        <translation>%1：%2，自 %3 至 %4</translation>
    </message>
    <message>
        <source>None of the named formations.</source>
        <translation>没有任何特定格局。</translation>
    </message>
    <message>
        <source>Annual stars</source>
        <translation>流年飞星</translation>
    </message>
    <message>
        <source>Daily stars</source>
        <translation>日飞星</translation>
    </message>
    <message>
        <source>Hourly stars</source>
        <translation>时飞星</translation>
    </message>
    <message>
        <source>Date and &amp;time:</source>
        <translation>日期和时刻(&amp;T)：</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和时刻</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>星盘(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Readings</source>
        <translation>解读(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Year &amp;&amp; month</source>
        <translation>年与月(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Day &amp;&amp; hour</source>
        <translation>日与时(&amp;D)</translation>
    </message>
    <message>
        <source>Switch on the annual stars in the main window to see them here with the monthly stars of their month.</source>
        <translation>在主窗口中打开流年飞星，即可在此查看流年飞星及该月的月飞星。</translation>
    </message>
    <message>
        <source>annual star %1</source>
        <translation>流年飞星 %1</translation>
    </message>
    <message>
        <source>daily star %1</source>
        <translation>日飞星 %1</translation>
    </message>
    <message>
        <source>hourly star %1</source>
        <translation>时飞星 %1</translation>
    </message>
    <message>
        <source>Palace:</source>
        <translation>宫位：</translation>
    </message>
    <message>
        <source>Relation:</source>
        <translation>生克：</translation>
    </message>
    <message>
        <source>Named pair:</source>
        <translation>星组：</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>断语：</translation>
    </message>
    <message>
        <source>&amp;Standard chart (下卦)</source>
        <translation>下卦(&amp;S)</translation>
    </message>
    <message>
        <source>Replace&amp;ment chart (替卦)</source>
        <translation>替卦(&amp;M)</translation>
    </message>
    <message>
        <source>%1  %2 %3</source>
        <translation>%1  %2 %3</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>year %1</source>
        <translation>年%1</translation>
    </message>
    <message>
        <source>month %1</source>
        <translation>月%1</translation>
    </message>
    <message>
        <source>&amp;Palaces</source>
        <translation>宫位(&amp;P)</translation>
    </message>
    <message>
        <source>The stars are read against period %1, the period of %2.</source>
        <translation>星曜按%1运论旺衰，即%2所属之运。</translation>
    </message>
    <message>
        <source>The stars are read against period %1, the period of this month. Switch on the annual stars in the main window to see the year&apos;s and the month&apos;s visiting stars and afflictions here.</source>
        <translation>星曜按%1运论旺衰，即本月所属之运。在主窗口中打开流年飞星，即可在此查看年星、月星的飞临及其煞位。</translation>
    </message>
    <message>
        <source>%1 palace, mountain star %2, facing star %3</source>
        <translation>%1宫，山星 %2，向星 %3</translation>
    </message>
    <message>
        <source>%1, mountain star %2 (%3), facing star %4 (%5)</source>
        <translation>%1宫，山星 %2（%3），向星 %4（%5）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>orrindel::FloorPlanWindow</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 %2 · time %3</source>
        <translation>%1 %2 · 运星 %3</translation>
    </message>
    <message>
        <source> · annual %1 · monthly %2</source>
        <translation> · 年星 %1 · 月星 %2</translation>
    </message>
    <message>
        <source>Floor Plan — %1</source>
        <translation>平面图 — %1</translation>
    </message>
    <message>
        <source>Add Floor Plan</source>
        <translation>添加平面图</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg *.bmp *.gif *.pdf)</source>
        <translation>平面图 (*.png *.jpg *.jpeg *.bmp *.gif *.pdf)</translation>
    </message>
    <message>
        <source>Page of the PDF (1 to %1):</source>
        <translation>PDF 的页码（1 到 %1）：</translation>
    </message>
    <message>
        <source>Rename Floor</source>
        <translation>重命名楼层</translation>
    </message>
    <message>
        <source>Floor:</source>
        <translation>楼层：</translation>
    </message>
    <message>
        <source>Floors</source>
        <translation>楼层</translation>
    </message>
    <message>
        <source>Shape traced</source>
        <translation>正在描绘的形状</translation>
    </message>
    <message>
        <source>Name of a new room or outside area</source>
        <translation>新房间或户外区域的名称</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>太极点</translation>
    </message>
    <message>
        <source>Centroid</source>
        <translation>重心</translation>
    </message>
    <message>
        <source>House rectangle</source>
        <translation>房屋外框</translation>
    </message>
    <message>
        <source>Rectangle when filled</source>
        <translation>填满时取外框</translation>
    </message>
    <message>
        <source>Placed point</source>
        <translation>指定点</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>月份(&amp;M)：</translation>
    </message>
    <message>
        <source>Month of the annual and monthly stars</source>
        <translation>年星和月星的月份</translation>
    </message>
    <message>
        <source>3 × 3 &amp;grid</source>
        <translation>3 × 3 九宫格(&amp;G)</translation>
    </message>
    <message>
        <source>Mountain r&amp;ing</source>
        <translation>二十四山环(&amp;I)</translation>
    </message>
    <message>
        <source>Floor plan</source>
        <translation>平面图</translation>
    </message>
    <message>
        <source>Click to add a corner, drag a corner to move it, arrow keys nudge the selected one</source>
        <translation>单击添加角点，拖动角点可移动它，方向键微调选中的角点</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>角点</translation>
    </message>
    <message>
        <source>Palace</source>
        <translation>宫位</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>占比</translation>
    </message>
    <message>
        <source>Cell filled</source>
        <translation>格内填充</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>缺角</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>房间</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>飞星</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>吉凶</translation>
    </message>
    <message>
        <source>Palaces</source>
        <translation>九宫</translation>
    </message>
    <message>
        <source>&amp;Palaces</source>
        <translation>宫位(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;orners</source>
        <translation>角点(&amp;O)</translation>
    </message>
    <message>
        <source>Change Centre</source>
        <translation>更改太极点</translation>
    </message>
    <message>
        <source>&amp;Add Plan…</source>
        <translation>添加平面图(&amp;A)…</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>重命名(&amp;N)…</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Add Roo&amp;m</source>
        <translation>添加房间(&amp;M)</translation>
    </message>
    <message>
        <source>Add Out&amp;side</source>
        <translation>添加户外区域(&amp;S)</translation>
    </message>
    <message>
        <source>Remove S&amp;hape</source>
        <translation>移除形状(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Front Edge</source>
        <translation>设为正面边(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Delete Corner</source>
        <translation>删除角点(&amp;D)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Floor %1</source>
        <translation>%1 楼</translation>
    </message>
    <message>
        <source>Remove the plan of %1?</source>
        <translation>移除 %1 的平面图吗？</translation>
    </message>
    <message>
        <source>Room %1</source>
        <translation>房间 %1</translation>
    </message>
    <message>
        <source>Outside %1</source>
        <translation>户外 %1</translation>
    </message>
    <message>
        <source>Add Room</source>
        <translation>添加房间</translation>
    </message>
    <message>
        <source>Add Outside Area</source>
        <translation>添加户外区域</translation>
    </message>
    <message>
        <source>Remove Shape</source>
        <translation>移除形状</translation>
    </message>
    <message>
        <source>Delete Corner</source>
        <translation>删除角点</translation>
    </message>
    <message>
        <source>Set Front Edge</source>
        <translation>设定正面边</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>轮廓</translation>
    </message>
    <message>
        <source>Room: %1</source>
        <translation>房间：%1</translation>
    </message>
    <message>
        <source>Outside: %1</source>
        <translation>户外：%1</translation>
    </message>
    <message>
        <source>Move Corner</source>
        <translation>移动角点</translation>
    </message>
    <message>
        <source>%1 (%2 m²)</source>
        <translation>%1（%2 平方米）</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺角</translation>
    </message>
    <message>
        <source>Add a plan of a floor to trace it.</source>
        <translation>请添加一层楼的平面图，再在图上描绘。</translation>
    </message>
    <message>
        <source>The centre lies outside the outline.</source>
        <translation>太极点落在轮廓之外。</translation>
    </message>
</context>
<context>
    <name>orrindel::HouseForm</name>
    <message>
        <source>Edit House</source>
        <translation>编辑房屋</translation>
    </message>
    <message>
        <source>Save Current House</source>
        <translation>保存当前房屋</translation>
    </message>
    <message>
        <source>Save as a &amp;new house</source>
        <translation>另存为新房屋(&amp;N)</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>问题</translation>
    </message>
</context>
<context>
    <name>orrindel::HouseRegister</name>
    <message>
        <source>Export Report</source>
        <translation>导出报告</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>Client, label or notes</source>
        <translation>客户、标签或备注</translation>
    </message>
    <message>
        <source>Search houses</source>
        <translation>搜索房屋</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Save &amp;Current House…</source>
        <translation>保存当前房屋(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>编辑(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>撤销删除(&amp;U)</translation>
    </message>
    <message>
        <source>E&amp;xport Report…</source>
        <translation>导出报告(&amp;X)…</translation>
    </message>
    <message>
        <source>The houses of %1 cannot be shown.</source>
        <translation>无法显示 %1 中的房屋。</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>已打开 %1。</translation>
    </message>
    <message>
        <source>Calculate a chart in the main window first: its year and bearing are saved.</source>
        <translation>请先在主窗口中计算星盘：保存的是它的年份和度数。</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已保存 %1。</translation>
    </message>
    <message>
        <source>Delete House</source>
        <translation>删除房屋</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>已删除 %1。</translation>
    </message>
    <message>
        <source>Brought back %1.</source>
        <translation>已恢复 %1。</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>报告已写入 %1。</translation>
    </message>
    <message>
        <source>Brings back the house deleted last (%1)</source>
        <translation>恢复最后删除的房屋（%1）</translation>
    </message>
    <message>
        <source>Delete the house of %1, %2? Undo (%3) brings it back while this window is open.</source>
        <translation>删除 %1 的房屋（%2）吗？此窗口打开期间，撤销（%3）可以恢复它。</translation>
    </message>
    <message>
        <source>%1 is the house register itself: choose another file.</source>
        <translation>%1 就是房屋登记册本身：请选择其他文件。</translation>
    </message>
    <message>
        <source>Floor &amp;Plan…</source>
        <translation>平面图(&amp;P)…</translation>
    </message>
</context>
<context>
    <name>orrindel::HouseReport</name>
    <message>
        <source>The house&apos;s year %1 or bearing %2 gives no chart.</source>
        <translation>房屋的年份 %1 或度数 %2 无法起盘。</translation>
    </message>
    <message>
        <source>Flying Star Report</source>
        <translation>玄空飞星报告</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>客户：</translation>
    </message>
    <message>
        <source>Label or address:</source>
        <translation>标签或地址：</translation>
    </message>
    <message>
        <source>Measured on:</source>
        <translation>测量日期：</translation>
    </message>
    <message>
        <source>Year of construction:</source>
        <translation>建造年份：</translation>
    </message>
    <message>
        <source>Facing degree:</source>
        <translation>朝向度数：</translation>
    </message>
    <message>
        <source>Mountains:</source>
        <translation>坐向：</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>星盘</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>元运：</translation>
    </message>
    <message>
        <source>Formation:</source>
        <translation>格局：</translation>
    </message>
    <message>
        <source>Lean:</source>
        <translation>兼向：</translation>
    </message>
    <message>
        <source>Replacement formation:</source>
        <translation>替卦格局：</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>断语</translation>
    </message>
    <message>
        <source>The stars</source>
        <translation>飞星</translation>
    </message>
    <message>
        <source>Standard chart (下卦)</source>
        <translation>下卦</translation>
    </message>
    <message>
        <source>Replacement chart (替卦)</source>
        <translation>替卦</translation>
    </message>
    <message>
        <source>Annual stars, %1</source>
        <translation>流年飞星，%1</translation>
    </message>
    <message>
        <source>Monthly stars, solar month %1 (%2)</source>
        <translation>流月飞星，%1月（%2）</translation>
    </message>
    <message>
        <source>South is at the top of every grid. In each square of a chart the mountain star is on the left, the facing star on the right and the time star below; the shaded square is the sitting palace.</source>
        <translation>每个九宫格均以南方在上。星盘每格中，山星在左，向星在右，运星在下；灰色方格为坐宫。</translation>
    </message>
    <message>
        <source>Solar month %1 runs from %2 to %3.</source>
        <translation>%1月自 %2 起，至 %3 止。</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>无法写入报告 %1：%2</translation>
    </message>
    <message>
        <source>Flying Star Report: %1</source>
        <translation>玄空飞星报告：%1</translation>
    </message>
    <message>
        <source>the PDF cannot be started</source>
        <translation>无法开始生成 PDF</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Palace</source>
        <translation>宫位</translation>
    </message>
    <message>
        <source>Stars, tone</source>
        <translation>星与吉凶</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>断语</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>本年</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>本月</translation>
    </message>
    <message>
        <source>Advice</source>
        <translation>宜忌</translation>
    </message>
    <message>
        <source>%1 %2
%3 %4
%5</source>
        <translation>%1%2
%3%4
%5</translation>
    </message>
    <message>
        <source>The palaces of the replacement chart, %1</source>
        <translation>替卦九宫，%1</translation>
    </message>
    <message>
        <source>The palaces, %1</source>
        <translation>九宫，%1</translation>
    </message>
    <message>
        <source>Each star is read against period %1, the period of %2; the mountain star speaks for the people and their health, the facing star for money.</source>
        <translation>各星以%2所属的%1运论旺衰；山星主人丁与健康，向星主财。</translation>
    </message>
    <message>
        <source>a point placed</source>
        <translation>指定的点</translation>
    </message>
    <message>
        <source>the centre of the house&apos;s rectangle</source>
        <translation>房屋外框的中心</translation>
    </message>
    <message>
        <source>the outline&apos;s centroid</source>
        <translation>轮廓的重心</translation>
    </message>
    <message>
        <source>%1, by the missing-corner rule</source>
        <translation>%1（按缺角规则）</translation>
    </message>
    <message>
        <source>%1, outside the outline</source>
        <translation>%1，位于轮廓之外</translation>
    </message>
    <message>
        <source>Area (px²)</source>
        <translation>面积（平方像素）</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>占比</translation>
    </message>
    <message>
        <source>Area (m²)</source>
        <translation>面积（平方米）</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>房间</translation>
    </message>
    <message>
        <source>Missing corner</source>
        <translation>缺角</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺角</translation>
    </message>
    <message>
        <source>Centre:</source>
        <translation>太极点：</translation>
    </message>
</context>
<context>
    <name>orrindel::PlanCanvas</name>
    <message>
        <source>Move Corner</source>
        <translation>移动角点</translation>
    </message>
    <message>
        <source>Insert Corner</source>
        <translation>插入角点</translation>
    </message>
    <message>
        <source>Add Corner</source>
        <translation>添加角点</translation>
    </message>
    <message>
        <source>Move Centre</source>
        <translation>移动太极点</translation>
    </message>
</context>
<context>
    <name>orrindel::PlanPicture</name>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>the picture cannot be drawn</source>
        <translation>无法绘制图像</translation>
    </message>
    <message>
        <source>Floor plan</source>
        <translation>平面图</translation>
    </message>
    <message>
        <source>Cannot write the plan %1: %2</source>
        <translation>无法写入平面图 %1：%2</translation>
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
    <message>
        <source>Chart De&amp;tails…</source>
        <translation>星盘详情(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Houses…</source>
        <translation>房屋(&amp;H)…</translation>
    </message>
    <message>
        <source>&amp;Floor Plan…</source>
        <translation>平面图(&amp;F)…</translation>
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
    <name>orrindel::platform::CupsClient</name>
    <message>
        <source>The print system cannot be used: %1.</source>
        <translation>无法使用打印系统：%1。</translation>
    </message>
    <message>
        <source>The print system lacks %1.</source>
        <translation>打印系统缺少 %1。</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1 (%2).</source>
        <translation>%1（%2）。</translation>
    </message>
    <message>
        <source>The print server %1 has no default printer.</source>
        <translation>打印服务器 %1 没有默认打印机。</translation>
    </message>
    <message>
        <source>The print server %1 is not answering.</source>
        <translation>打印服务器 %1 没有响应。</translation>
    </message>
    <message>
        <source>The printer %1 is stopped.</source>
        <translation>打印机 %1 已停止。</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>打印机 %1 不接受打印作业。</translation>
    </message>
    <message>
        <source>The printer %1 refused the job</source>
        <translation>打印机 %1 拒绝了打印作业</translation>
    </message>
    <message>
        <source>The printer %1 refused the document</source>
        <translation>打印机 %1 拒绝了文档</translation>
    </message>
    <message>
        <source>Sending the page to the printer %1 failed</source>
        <translation>向打印机 %1 发送页面失败</translation>
    </message>
    <message>
        <source>The printer %1 refused the page</source>
        <translation>打印机 %1 拒绝了页面</translation>
    </message>
</context>
<context>
    <name>orrindel::platform::Label</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
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
<context>
    <name>orrindel::platform::PdfPrinter</name>
    <message>
        <source>The page for the printer could not be drawn.</source>
        <translation>无法绘制要打印的页面。</translation>
    </message>
    <message>
        <source>The page for the printer could not be finished.</source>
        <translation>无法完成要打印的页面。</translation>
    </message>
</context>
</TS>
