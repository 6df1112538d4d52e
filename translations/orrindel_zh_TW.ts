<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>ChartReport</name>
    <message>
        <source>sitting</source>
        <translation>坐宮</translation>
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
        <translation>建造年份 %1，朝向 %2 度：%3 運</translation>
    </message>
    <message>
        <source>Facing:  %1 (palace %2), mountain %3, facing stars %4</source>
        <translation>向：%1（宮 %2），山 %3，向星%4</translation>
    </message>
    <message>
        <source>Sitting: %1 (palace %2), mountain %3, mountain stars %4</source>
        <translation>坐：%1（宮 %2），山 %3，山星%4</translation>
    </message>
    <message>
        <source>Formation: %1</source>
        <translation>格局：%1</translation>
    </message>
    <message>
        <source>Annual stars %1: centre %2</source>
        <translation>流年飛星 %1：中宮 %2</translation>
    </message>
    <message>
        <source>, the same as the standard chart</source>
        <translation>，與下卦相同</translation>
    </message>
    <message>
        <source>Monthly stars %1: %2, centre %3</source>
        <translation>月飛星 %1：%2，中宮 %3</translation>
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
        <translation>輸出建築物的玄空飛星盤。</translation>
    </message>
    <message>
        <source>Year of construction, 65 to 9999.</source>
        <translation>建造年份，65 到 9999。</translation>
    </message>
    <message>
        <source>Facing bearing in degrees, 0 to below 360.</source>
        <translation>朝向度數，0 到小於 360。</translation>
    </message>
    <message>
        <source>Print the replacement chart even when the bearing does not lean.</source>
        <translation>即使不兼向也輸出替卦星盤。</translation>
    </message>
    <message>
        <source>Print JSON.</source>
        <translation>輸出 JSON。</translation>
    </message>
    <message>
        <source>unexpected argument: </source>
        <translation>未預期的引數：</translation>
    </message>
    <message>
        <source>--year is required</source>
        <translation>必須提供 --year</translation>
    </message>
    <message>
        <source>--facing is required</source>
        <translation>必須提供 --facing</translation>
    </message>
    <message>
        <source>--year %1: Construction years may only be in the range 65 to 9999.</source>
        <translation>--year %1：建造年份只能在 65 到 9999 之間。</translation>
    </message>
    <message>
        <source>--facing %1: Degrees may only be in the range 0 to below 360, written with digits and at most one decimal point.</source>
        <translation>--facing %1：度數只能在 0 到小於 360 之間，以數字書寫，最多一個小數點。</translation>
    </message>
    <message>
        <source>Annual and monthly stars of month MM/YYYY (01..12, %1..%2).</source>
        <translation>MM/YYYY 月的流年飛星和月飛星（01..12，%1..%2）。</translation>
    </message>
    <message>
        <source>Warn of the void line within DEGREES of a boundary, %1 to %2 (default %3).</source>
        <translation>距交界 DEGREES 度以內時警告空亡，%1 到 %2（預設 %3）。</translation>
    </message>
    <message>
        <source>--annual %1: give the month and year as MM/YYYY, month 01 to 12, year %2 to %3.</source>
        <translation>--annual %1：請以 MM/YYYY 提供月份和年份，月份 01 到 12，年份 %2 到 %3。</translation>
    </message>
    <message>
        <source>--tolerance %1: give degrees from %2 to %3, written with digits and at most one decimal point.</source>
        <translation>--tolerance %1：請提供 %2 到 %3 的度數，以數字書寫，最多一個小數點。</translation>
    </message>
    <message>
        <source>Daily stars of a local date, and hourly stars with a time (YYYY-MM-DD or YYYY-MM-DDTHH:MM).</source>
        <translation>本地日期的日飛星，給出時刻時另有時飛星（YYYY-MM-DD 或 YYYY-MM-DDTHH:MM）。</translation>
    </message>
    <message>
        <source>--date %1: give the date as YYYY-MM-DD or YYYY-MM-DDTHH:MM.</source>
        <translation>--date %1：請以 YYYY-MM-DD 或 YYYY-MM-DDTHH:MM 給出日期。</translation>
    </message>
    <message>
        <source>--date %1: the year must be from %2 to %3.</source>
        <translation>--date %1：年份必須在 %2 到 %3 之間。</translation>
    </message>
    <message>
        <source>--date %1: there is no such day or time.</source>
        <translation>--date %1：沒有這一天或這一時刻。</translation>
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
    <message>
        <source>C</source>
        <translation>中</translation>
    </message>
</context>
<context>
    <name>Flight</name>
    <message>
        <source>Forward</source>
        <translation>順飛</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>逆飛</translation>
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
        <translation>雙星到向</translation>
    </message>
    <message>
        <source>double stars at the sitting (双星到坐)</source>
        <translation>雙星到坐</translation>
    </message>
</context>
<context>
    <name>HouseStore</name>
    <message>
        <source>%1 is busy: another program kept it locked. Nothing was changed.</source>
        <translation>%1 正忙：另一個程式鎖住了它。沒有做任何更改。</translation>
    </message>
    <message>
        <source>%1 cannot be written. Nothing was changed.</source>
        <translation>無法寫入 %1。沒有做任何更改。</translation>
    </message>
    <message>
        <source>%1 is damaged. It has been left as it is.</source>
        <translation>%1 已損壞。檔案保持原樣，未被改動。</translation>
    </message>
    <message>
        <source>The disk holding %1 is full. Nothing was changed.</source>
        <translation>存放 %1 的磁碟已滿。沒有做任何更改。</translation>
    </message>
    <message>
        <source>%1 could not be read or written: %2</source>
        <translation>無法讀取或寫入 %1：%2</translation>
    </message>
    <message>
        <source>A field is longer than %1 characters.</source>
        <translation>有一個欄位超過 %1 個字元。</translation>
    </message>
    <message>
        <source>Give the client&apos;s name or a label.</source>
        <translation>請填寫客戶姓名或標籤。</translation>
    </message>
    <message>
        <source>Construction years may only be in the range 65 to 9999.</source>
        <translation>建造年份只能在 65 到 9999 之間。</translation>
    </message>
    <message>
        <source>Degrees may only be in the range 0 to below 360, written in at most five characters with digits and at most one decimal point.</source>
        <translation>度數只能在 0 到小於 360 之間，最多五個字元，只用數字和最多一個小數點。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: Qt&apos;s SQLite driver is not installed.</source>
        <translation>無法開啟 %1：未安裝 Qt 的 SQLite 驅動程式。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a house register: it is not an SQLite database. It has been left as it is.</source>
        <translation>%1 不是房屋登記冊：它不是 SQLite 資料庫。檔案保持原樣，未被改動。</translation>
    </message>
    <message>
        <source>%1 is not a house register: it holds other data. It has been left as it is.</source>
        <translation>%1 不是房屋登記冊：其中存有其他資料。檔案保持原樣，未被改動。</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Orrindel, so it is open read-only.</source>
        <translation>%1 由較新版本的 Orrindel 寫入，因此以唯讀方式開啟。</translation>
    </message>
    <message>
        <source>%1 or its folder cannot be written, so it is open read-only.</source>
        <translation>無法寫入 %1 或其所在資料夾，因此以唯讀方式開啟。</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made, so %2 cannot be saved.</source>
        <translation>無法建立資料夾 %1，因此無法儲存 %2。</translation>
    </message>
    <message>
        <source>House %1 is not in %2.</source>
        <translation>%2 中沒有房屋 %1。</translation>
    </message>
    <message>
        <source>House %1 is already in %2.</source>
        <translation>房屋 %1 已在 %2 中。</translation>
    </message>
    <message>
        <source>%1 cannot be opened or made here. Nothing was changed.</source>
        <translation>無法在此處開啟或建立 %1。沒有做任何更改。</translation>
    </message>
    <message>
        <source>A plan&apos;s geometry is a JSON object of at most %1 characters.</source>
        <translation>平面圖的幾何資料須為一個 JSON 物件，最多 %1 個字元。</translation>
    </message>
    <message>
        <source>A floor&apos;s name is at most %1 characters.</source>
        <translation>樓層名稱最多 %1 個字元。</translation>
    </message>
    <message>
        <source>A plan needs its file, of at most %1 MB.</source>
        <translation>平面圖需要其檔案，最大 %1 MB。</translation>
    </message>
    <message>
        <source>A plan&apos;s format is a short name in lower case, such as png or pdf.</source>
        <translation>平面圖的格式須為小寫的簡短名稱，例如 png 或 pdf。</translation>
    </message>
    <message>
        <source>A plan&apos;s page counts from 1, and it is at least one pixel wide and high.</source>
        <translation>平面圖的頁碼從 1 起算，寬和高至少各一個像素。</translation>
    </message>
    <message>
        <source>There is no place %1 among the floors of house %2.</source>
        <translation>房屋 %2 的樓層中沒有第 %1 個位置。</translation>
    </message>
    <message>
        <source>Plan %1 is not in %2.</source>
        <translation>%2 中沒有平面圖 %1。</translation>
    </message>
</context>
<context>
    <name>HousesTool</name>
    <message>
        <source>%1 is not a house number.</source>
        <translation>%1 不是房屋編號。</translation>
    </message>
    <message>
        <source>not an object</source>
        <translation>不是物件</translation>
    </message>
    <message>
        <source>%1 is not text</source>
        <translation>%1 不是文字</translation>
    </message>
    <message>
        <source>measured is not a date written YYYY-MM-DD</source>
        <translation>measured 不是 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not JSON: %2</source>
        <translation>%1 不是 JSON：%2</translation>
    </message>
    <message>
        <source>%1 is not a house export of Orrindel.</source>
        <translation>%1 不是 Orrindel 匯出的房屋檔案。</translation>
    </message>
    <message>
        <source>%1 is of export version %2; this program reads version %3.</source>
        <translation>%1 的匯出版本為 %2；本程式讀取版本 %3。</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>House</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客戶</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Facing</source>
        <translation>朝向</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>測量日期</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>建立時間</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>修改時間</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>there is no house %1 in %2.</source>
        <translation>%2 中沒有房屋 %1。</translation>
    </message>
    <message>
        <source>--measured %1: give the date as YYYY-MM-DD.</source>
        <translation>--measured %1：請以 YYYY-MM-DD 給出日期。</translation>
    </message>
    <message>
        <source>add needs --year and --facing.</source>
        <translation>add 需要 --year 和 --facing。</translation>
    </message>
    <message>
        <source>edit needs at least one of --client, --label, --year, --facing, --measured and --notes.</source>
        <translation>edit 至少需要 --client、--label、--year、--facing、--measured 和 --notes 中的一項。</translation>
    </message>
    <message>
        <source>report needs --pdf FILE.</source>
        <translation>report 需要 --pdf FILE。</translation>
    </message>
    <message>
        <source>%1 cannot be written: this build makes no reports.</source>
        <translation>無法寫入 %1：此版本不能產生報告。</translation>
    </message>
    <message>
        <source>Keeps the register of houses measured, shared with Orrindel&apos;s Houses window.
Commands:
  list [TEXT] [--json]    houses whose client, label or notes contain TEXT
  show ID [--json]        one house
  add --year --facing [--client --label --measured --notes]
  edit ID [options]       changes the options given
  remove ID
  export FILE             every house as JSON
  import FILE             the houses of an export, all or none
  report ID --pdf FILE [--annual MM/YYYY]</source>
        <translation>管理已測量房屋的登記冊，與 Orrindel 的房屋視窗共用。
命令：
  list [TEXT] [--json]    客戶、標籤或備註包含 TEXT 的房屋
  show ID [--json]        一所房屋
  add --year --facing [--client --label --measured --notes]
  edit ID [選項]          修改所給的選項
  remove ID
  export FILE             將全部房屋匯出為 JSON
  import FILE             匯入一個匯出檔案的房屋，全部匯入或全不匯入
  report ID --pdf FILE [--annual MM/YYYY]</translation>
    </message>
    <message>
        <source>What to do.</source>
        <translation>要執行的操作。</translation>
    </message>
    <message>
        <source>The register&apos;s file.</source>
        <translation>登記冊檔案。</translation>
    </message>
    <message>
        <source>Print JSON.</source>
        <translation>輸出 JSON。</translation>
    </message>
    <message>
        <source>The client&apos;s name.</source>
        <translation>客戶姓名。</translation>
    </message>
    <message>
        <source>A label or the address.</source>
        <translation>標籤或地址。</translation>
    </message>
    <message>
        <source>Year of construction, 65 to 9999.</source>
        <translation>建造年份，65 到 9999。</translation>
    </message>
    <message>
        <source>Facing bearing in degrees, 0 to below 360.</source>
        <translation>朝向度數，0 到小於 360。</translation>
    </message>
    <message>
        <source>The day it was measured.</source>
        <translation>測量日期。</translation>
    </message>
    <message>
        <source>Free notes.</source>
        <translation>備註。</translation>
    </message>
    <message>
        <source>Write the report to FILE.</source>
        <translation>將報告寫入 FILE。</translation>
    </message>
    <message>
        <source>Annual and monthly stars of month MM/YYYY.</source>
        <translation>MM/YYYY 月的年星和月星。</translation>
    </message>
    <message>
        <source>give a command; see --help.</source>
        <translation>請給出命令；參見 --help。</translation>
    </message>
    <message>
        <source>unknown command: %1</source>
        <translation>未知命令：%1</translation>
    </message>
    <message>
        <source>wrong number of arguments for %1; see --help.</source>
        <translation>%1 的參數個數不對；參見 --help。</translation>
    </message>
    <message>
        <source>--%1 does not go with %2.</source>
        <translation>--%1 不能與 %2 一起使用。</translation>
    </message>
    <message>
        <source>%1 is the register itself: write to another file.</source>
        <translation>%1 就是房屋登記冊本身：請寫入另一個檔案。</translation>
    </message>
    <message>
        <source>--annual %1: give the month and year as MM/YYYY, month 01 to 12, year %2 to %3.</source>
        <translation>--annual %1：請以 MM/YYYY 提供月份和年份，月份 01 到 12，年份 %2 到 %3。</translation>
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
    <name>Reading</name>
    <message>
        <source>%1 (sitting %2, facing %3; %4/%5)</source>
        <translation>%1（坐%2向%3；%4/%5）</translation>
    </message>
    <message>
        <source>%1 degrees from the centre of %2</source>
        <translation>距%2山中線 %1 度</translation>
    </message>
    <message>
        <source>standard, within %1 degrees of the centre: the standard chart applies</source>
        <translation>正向，距中線 %1 度以內：用下卦</translation>
    </message>
    <message>
        <source>leaning (兼向), %1 / %2: most schools read the replacement chart</source>
        <translation>兼向，%1 / %2：多數流派用替卦</translation>
    </message>
    <message>
        <source>major (大空亡), within %1 degrees of a sector&apos;s boundary: measure again</source>
        <translation>大空亡，距兩卦交界 %1 度以內：請重新測量</translation>
    </message>
    <message>
        <source>minor (小空亡), within %1 degrees of a mountain&apos;s boundary: measure again</source>
        <translation>小空亡，距兩山交界 %1 度以內：請重新測量</translation>
    </message>
    <message>
        <source>none, more than %1 degrees from a boundary</source>
        <translation>無，距交界超過 %1 度</translation>
    </message>
    <message>
        <source>none of the four</source>
        <translation>不屬四種格局</translation>
    </message>
    <message>
        <source>solar month %1 (%2)</source>
        <translation>%1月（%2）</translation>
    </message>
    <message>
        <source>Replacement chart (替卦)</source>
        <translation>替卦星盤</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>the mountain and the facing charts</source>
        <translation>山盤和向盤</translation>
    </message>
    <message>
        <source>the mountain chart</source>
        <translation>山盤</translation>
    </message>
    <message>
        <source>the facing chart</source>
        <translation>向盤</translation>
    </message>
    <message>
        <source>undetermined (period star 5)</source>
        <translation>未定（運星為 5）</translation>
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
        <translation>%1：無</translation>
    </message>
    <message>
        <source>五黄 %1, 二黑 %2</source>
        <translation>五黃 %1，二黑 %2</translation>
    </message>
    <message>
        <source>合十, sum of ten in %1: its star and the period star add up to ten in every palace.</source>
        <translation>合十（%1）：每宮此盤之星與運星之和為十。</translation>
    </message>
    <message>
        <source>父母三般, parent string: in every palace the period, mountain and facing stars are 1, 4, 7 or 2, 5, 8 or 3, 6, 9.</source>
        <translation>父母三般：每宮運星、山星、向星為 1、4、7，2、5、8 或 3、6、9。</translation>
    </message>
    <message>
        <source>连珠三般, pearl string: in every palace the period, mountain and facing stars are three numbers in a row (1 follows 9).</source>
        <translation>連珠三般：每宮運星、山星、向星為三個相連之數（9 之後為 1）。</translation>
    </message>
    <message>
        <source>伏吟 in %1: every palace holds its own Lo Shu number, as when 5 enters the centre and flies forward.</source>
        <translation>伏吟（%1）：每宮為本宮洛書之數，如五入中順飛。</translation>
    </message>
    <message>
        <source>反吟 in %1: every palace holds ten less its own Lo Shu number, as when 5 enters the centre and flies in reverse.</source>
        <translation>反吟（%1）：每宮為十減本宮洛書之數，如五入中逆飛。</translation>
    </message>
    <message>
        <source>离宫打劫, the true seven-star robbery</source>
        <translation>離宮打劫（真七星打劫）</translation>
    </message>
    <message>
        <source>坎宫打劫, the false seven-star robbery</source>
        <translation>坎宮打劫（假七星打劫）</translation>
    </message>
    <message>
        <source>%1: double stars at the facing; usable.</source>
        <translation>%1：雙星到向；可用。</translation>
    </message>
    <message>
        <source>%1: double stars at the facing; not usable, as a star chart is 伏吟.</source>
        <translation>%1：雙星到向；因星盤伏吟，不可用。</translation>
    </message>
    <message>
        <source>正城门, main castle gate: %1 at %2, period star %3; %4.</source>
        <translation>正城門：%1宮%2山，運星 %3；%4。</translation>
    </message>
    <message>
        <source>副城门, secondary castle gate: %1 at %2, period star %3; %4.</source>
        <translation>副城門：%1宮%2山，運星 %3；%4。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>太岁 (Grand Duke) %1; 岁破 (Year Breaker) %2; 三煞 (Three Killings) %3.</source>
        <translation>太歲 %1；歲破 %2；三煞 %3。</translation>
    </message>
    <message>
        <source>月破 (Month Breaker) %1; 三煞 (Three Killings) %2.</source>
        <translation>月破 %1；三煞 %2。</translation>
    </message>
    <message>
        <source>五黄</source>
        <translation>五黃</translation>
    </message>
    <message>
        <source>二黑</source>
        <translation>二黑</translation>
    </message>
    <message>
        <source>阳遁 (yang)</source>
        <translation>陽遁</translation>
    </message>
    <message>
        <source>阴遁 (yin)</source>
        <translation>陰遁</translation>
    </message>
    <message>
        <source>%1 day, %2, centre %3</source>
        <translation>%1日，%2，中宮 %3</translation>
    </message>
    <message>
        <source>%1 hour (%2), %3, centre %4</source>
        <translation>%1時（%2），%3，中宮 %4</translation>
    </message>
    <message>
        <source>Formations</source>
        <translation>特定格局</translation>
    </message>
    <message>
        <source>Castle gates</source>
        <translation>城門</translation>
    </message>
    <message>
        <source>Replacement chart formations</source>
        <translation>替卦特定格局</translation>
    </message>
    <message>
        <source>Replacement chart castle gates</source>
        <translation>替卦城門</translation>
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
        <translation>日飛星 %1：%2</translation>
    </message>
    <message>
        <source>Hourly stars %1: %2</source>
        <translation>時飛星 %1：%2</translation>
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
        <translation>驚蟄</translation>
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
        <translation>芒種</translation>
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
    <message>
        <source>Keep the house register in FILE.</source>
        <translation>將房屋登記冊保存在 FILE 中。</translation>
    </message>
</context>
<context>
    <name>orrindel::ChartDetails</name>
    <message>
        <source>Chart:</source>
        <translation>星盤：</translation>
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
        <translation>元運：</translation>
    </message>
    <message>
        <source>Formation:</source>
        <translation>格局：</translation>
    </message>
    <message>
        <source>%1, %2 palace</source>
        <translation>%1，%2宮</translation>
    </message>
    <message>
        <source>mountain star %1, facing star %2, time star %3</source>
        <translation>山星 %1，向星 %2，運星 %3</translation>
    </message>
    <message>
        <source>, sitting palace</source>
        <translation>，坐宮</translation>
    </message>
    <message>
        <source>Chart Details</source>
        <translation>星盤詳情</translation>
    </message>
    <message>
        <source>Standard chart (下卦)</source>
        <translation>下卦星盤</translation>
    </message>
    <message>
        <source>Monthly stars</source>
        <translation>月飛星</translation>
    </message>
    <message>
        <source>&amp;Copy as Text</source>
        <translation>複製為文字(&amp;C)</translation>
    </message>
    <message>
        <source>year %1, facing %2 degrees</source>
        <translation>建造年份 %1，朝向 %2 度</translation>
    </message>
    <message>
        <source>In each square the mountain star is on the left, the facing star on the right and the time star below; the shaded square is the sitting palace.</source>
        <translation>每格左為山星，右為向星，下為運星；有底色的方格為坐宮。</translation>
    </message>
    <message>
        <source>Formation: %1.</source>
        <translation>格局：%1。</translation>
    </message>
    <message>
        <source>The same as the standard chart.</source>
        <translation>與下卦相同。</translation>
    </message>
    <message>
        <source>monthly star %1</source>
        <translation>月飛星 %1</translation>
    </message>
    <message>
        <source>No chart is calculated: calculate one in the main window.</source>
        <translation>尚未計算星盤：請在主視窗中計算。</translation>
    </message>
    <message>
        <source>%1: %2, from %3 to %4</source>
        <translation>%1：%2，自 %3 至 %4</translation>
    </message>
    <message>
        <source>None of the named formations.</source>
        <translation>沒有任何特定格局。</translation>
    </message>
    <message>
        <source>Annual stars</source>
        <translation>流年飛星</translation>
    </message>
    <message>
        <source>Daily stars</source>
        <translation>日飛星</translation>
    </message>
    <message>
        <source>Hourly stars</source>
        <translation>時飛星</translation>
    </message>
    <message>
        <source>Date and &amp;time:</source>
        <translation>日期和時刻(&amp;T)：</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>日期和時刻</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>星盤(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Readings</source>
        <translation>解讀(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Year &amp;&amp; month</source>
        <translation>年與月(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Day &amp;&amp; hour</source>
        <translation>日與時(&amp;D)</translation>
    </message>
    <message>
        <source>Switch on the annual stars in the main window to see them here with the monthly stars of their month.</source>
        <translation>在主視窗中開啟流年飛星，即可在此檢視流年飛星及該月的月飛星。</translation>
    </message>
    <message>
        <source>annual star %1</source>
        <translation>流年飛星 %1</translation>
    </message>
    <message>
        <source>daily star %1</source>
        <translation>日飛星 %1</translation>
    </message>
    <message>
        <source>hourly star %1</source>
        <translation>時飛星 %1</translation>
    </message>
</context>
<context>
    <name>orrindel::HouseForm</name>
    <message>
        <source>Edit House</source>
        <translation>編輯房屋</translation>
    </message>
    <message>
        <source>Save Current House</source>
        <translation>儲存目前房屋</translation>
    </message>
    <message>
        <source>&amp;Client:</source>
        <translation>客戶(&amp;C)：</translation>
    </message>
    <message>
        <source>&amp;Label or address:</source>
        <translation>標籤或地址(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Year of construction:</source>
        <translation>建造年份(&amp;Y)：</translation>
    </message>
    <message>
        <source>&amp;Facing degree:</source>
        <translation>朝向度數(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Measured on:</source>
        <translation>測量日期(&amp;M)：</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>備註(&amp;N)：</translation>
    </message>
    <message>
        <source>Save as a &amp;new house</source>
        <translation>另存為新房屋(&amp;N)</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>問題</translation>
    </message>
</context>
<context>
    <name>orrindel::HouseRegister</name>
    <message>
        <source>Export Report</source>
        <translation>匯出報告</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>Client, label or notes</source>
        <translation>客戶、標籤或備註</translation>
    </message>
    <message>
        <source>Search houses</source>
        <translation>搜尋房屋</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜尋(&amp;S)：</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開啟(&amp;O)</translation>
    </message>
    <message>
        <source>Save &amp;Current House…</source>
        <translation>儲存目前房屋(&amp;C)…</translation>
    </message>
    <message>
        <source>&amp;Edit…</source>
        <translation>編輯(&amp;E)…</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>復原刪除(&amp;U)</translation>
    </message>
    <message>
        <source>E&amp;xport Report…</source>
        <translation>匯出報告(&amp;X)…</translation>
    </message>
    <message>
        <source>The houses of %1 cannot be shown.</source>
        <translation>無法顯示 %1 中的房屋。</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客戶</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>度數</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>測量日期</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>最後修改</translation>
    </message>
    <message>
        <source>Opened %1.</source>
        <translation>已開啟 %1。</translation>
    </message>
    <message>
        <source>Calculate a chart in the main window first: its year and bearing are saved.</source>
        <translation>請先在主視窗中計算星盤：儲存的是它的年份和度數。</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>已儲存 %1。</translation>
    </message>
    <message>
        <source>Delete House</source>
        <translation>刪除房屋</translation>
    </message>
    <message>
        <source>Deleted %1.</source>
        <translation>已刪除 %1。</translation>
    </message>
    <message>
        <source>Brought back %1.</source>
        <translation>已恢復 %1。</translation>
    </message>
    <message>
        <source>The report is written to %1.</source>
        <translation>報告已寫入 %1。</translation>
    </message>
    <message>
        <source>Brings back the house deleted last (%1)</source>
        <translation>恢復最後刪除的房屋（%1）</translation>
    </message>
    <message>
        <source>Delete the house of %1, %2? Undo (%3) brings it back while this window is open.</source>
        <translation>刪除 %1 的房屋（%2）嗎？此視窗開啟期間，復原（%3）可以恢復它。</translation>
    </message>
    <message>
        <source>%1 is the house register itself: choose another file.</source>
        <translation>%1 就是房屋登記冊本身：請選擇其他檔案。</translation>
    </message>
</context>
<context>
    <name>orrindel::HouseReport</name>
    <message>
        <source>The house&apos;s year %1 or bearing %2 gives no chart.</source>
        <translation>房屋的年份 %1 或度數 %2 無法起盤。</translation>
    </message>
    <message>
        <source>Flying Star Report</source>
        <translation>玄空飛星報告</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>客戶：</translation>
    </message>
    <message>
        <source>Label or address:</source>
        <translation>標籤或地址：</translation>
    </message>
    <message>
        <source>Measured on:</source>
        <translation>測量日期：</translation>
    </message>
    <message>
        <source>Year of construction:</source>
        <translation>建造年份：</translation>
    </message>
    <message>
        <source>Facing degree:</source>
        <translation>朝向度數：</translation>
    </message>
    <message>
        <source>Mountains:</source>
        <translation>坐向：</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>星盤</translation>
    </message>
    <message>
        <source>Period:</source>
        <translation>元運：</translation>
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
        <translation>斷語</translation>
    </message>
    <message>
        <source>The stars</source>
        <translation>飛星</translation>
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
        <translation>流年飛星，%1</translation>
    </message>
    <message>
        <source>Monthly stars, solar month %1 (%2)</source>
        <translation>流月飛星，%1月（%2）</translation>
    </message>
    <message>
        <source>South is at the top of every grid. In each square of a chart the mountain star is on the left, the facing star on the right and the time star below; the shaded square is the sitting palace.</source>
        <translation>每個九宮格均以南方在上。星盤每格中，山星在左，向星在右，運星在下；灰色方格為坐宮。</translation>
    </message>
    <message>
        <source>Solar month %1 runs from %2 to %3.</source>
        <translation>%1月自 %2 起，至 %3 止。</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Cannot write the report %1: %2</source>
        <translation>無法寫入報告 %1：%2</translation>
    </message>
    <message>
        <source>Flying Star Report: %1</source>
        <translation>玄空飛星報告：%1</translation>
    </message>
    <message>
        <source>the PDF cannot be started</source>
        <translation>無法開始產生 PDF</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
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
    <message>
        <source>Chart De&amp;tails…</source>
        <translation>星盤詳情(&amp;T)…</translation>
    </message>
    <message>
        <source>&amp;Houses…</source>
        <translation>房屋(&amp;H)…</translation>
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
    <name>orrindel::platform::CupsClient</name>
    <message>
        <source>The print system cannot be used: %1.</source>
        <translation>無法使用列印系統：%1。</translation>
    </message>
    <message>
        <source>The print system lacks %1.</source>
        <translation>列印系統缺少 %1。</translation>
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
        <translation>列印伺服器 %1 沒有預設印表機。</translation>
    </message>
    <message>
        <source>The print server %1 is not answering.</source>
        <translation>列印伺服器 %1 沒有回應。</translation>
    </message>
    <message>
        <source>The printer %1 is stopped.</source>
        <translation>印表機 %1 已停止。</translation>
    </message>
    <message>
        <source>The printer %1 is not accepting jobs.</source>
        <translation>印表機 %1 不接受列印工作。</translation>
    </message>
    <message>
        <source>The printer %1 refused the job</source>
        <translation>印表機 %1 拒絕了列印工作</translation>
    </message>
    <message>
        <source>The printer %1 refused the document</source>
        <translation>印表機 %1 拒絕了文件</translation>
    </message>
    <message>
        <source>Sending the page to the printer %1 failed</source>
        <translation>傳送頁面到印表機 %1 失敗</translation>
    </message>
    <message>
        <source>The printer %1 refused the page</source>
        <translation>印表機 %1 拒絕了頁面</translation>
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
        <translation>執行階段錯誤 &apos;%1&apos;：

%2</translation>
    </message>
</context>
<context>
    <name>orrindel::platform::PdfPrinter</name>
    <message>
        <source>The page for the printer could not be drawn.</source>
        <translation>無法繪製要列印的頁面。</translation>
    </message>
    <message>
        <source>The page for the printer could not be finished.</source>
        <translation>無法完成要列印的頁面。</translation>
    </message>
</context>
</TS>
