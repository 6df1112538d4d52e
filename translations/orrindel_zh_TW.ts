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
    <name>HouseField</name>
    <message>
        <source>House</source>
        <translation>房屋</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客戶</translation>
    </message>
    <message>
        <source>&amp;Client:</source>
        <translation>客戶(&amp;C)：</translation>
    </message>
    <message>
        <source>The client&apos;s name.</source>
        <translation>客戶姓名。</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>&amp;Label or address:</source>
        <translation>標籤或地址(&amp;L)：</translation>
    </message>
    <message>
        <source>A label or the address.</source>
        <translation>標籤或地址。</translation>
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
        <translation>度數</translation>
    </message>
    <message>
        <source>&amp;Facing degree:</source>
        <translation>朝向度數(&amp;F)：</translation>
    </message>
    <message>
        <source>Facing bearing in degrees, 0 to below 360.</source>
        <translation>朝向度數，0 到小於 360。</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>測量日期</translation>
    </message>
    <message>
        <source>&amp;Measured on:</source>
        <translation>測量日期(&amp;M)：</translation>
    </message>
    <message>
        <source>The day it was measured.</source>
        <translation>測量日期。</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>備註(&amp;N)：</translation>
    </message>
    <message>
        <source>Free notes.</source>
        <translation>備註。</translation>
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
        <source>Last change</source>
        <translation>最後修改</translation>
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
        <source>A house never saved cannot be put back.</source>
        <translation>從未儲存的房屋無法復原。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>無法寫入 %1：%2</translation>
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
        <source>there is no house %1 in %2.</source>
        <translation>%2 中沒有房屋 %1。</translation>
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
    <message>
        <source>%1 is not a date written YYYY-MM-DD</source>
        <translation>%1 不是 YYYY-MM-DD 格式的日期</translation>
    </message>
    <message>
        <source>--%1 %2: give the date as YYYY-MM-DD.</source>
        <translation>--%1 %2：請以 YYYY-MM-DD 給出日期。</translation>
    </message>
    <message>
        <source>this build makes no reports.</source>
        <translation>此版本不能產生報告。</translation>
    </message>
    <message>
        <source>houses whose client, label or notes contain TEXT</source>
        <translation>客戶、標籤或備註包含 TEXT 的房屋</translation>
    </message>
    <message>
        <source>one house</source>
        <translation>一所房屋</translation>
    </message>
    <message>
        <source>ID [options]</source>
        <translation>ID [選項]</translation>
    </message>
    <message>
        <source>changes the options given</source>
        <translation>修改所給的選項</translation>
    </message>
    <message>
        <source>every house as JSON</source>
        <translation>將全部房屋匯出為 JSON</translation>
    </message>
    <message>
        <source>the houses of an export, all or none</source>
        <translation>匯入一個匯出檔案的房屋，全部匯入或全不匯入</translation>
    </message>
    <message>
        <source>Keeps the register of houses measured, shared with Orrindel&apos;s Houses window.</source>
        <translation>管理已測量房屋的登記冊，與 Orrindel 的房屋視窗共用。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>%1 is not a plan number.</source>
        <translation>%1 不是平面圖編號。</translation>
    </message>
    <message>
        <source>there is no plan %1 in %2.</source>
        <translation>%2 中沒有平面圖 %1。</translation>
    </message>
    <message>
        <source>--%1 %2 is not a number.</source>
        <translation>--%1 %2 不是數字。</translation>
    </message>
    <message>
        <source>plan %1 has no outline yet: trace it with plan outline.</source>
        <translation>平面圖 %1 還沒有輪廓：請用 plan outline 描出。</translation>
    </message>
    <message>
        <source>plan add needs --image FILE.</source>
        <translation>plan add 需要 --image FILE。</translation>
    </message>
    <message>
        <source>--page %1: pages count from 1.</source>
        <translation>--page %1：頁碼從 1 開始。</translation>
    </message>
    <message>
        <source>plan outline needs --points and --front.</source>
        <translation>plan outline 需要 --points 和 --front。</translation>
    </message>
    <message>
        <source>--front %1 is not a corner&apos;s number.</source>
        <translation>--front %1 不是角點編號。</translation>
    </message>
    <message>
        <source>%1 is not a centre: give centroid, box, rectangle or point.</source>
        <translation>%1 不是中心：請給出 centroid、box、rectangle 或 point。</translation>
    </message>
    <message>
        <source>--at x,y goes with the centre point, and only with it.</source>
        <translation>--at x,y 只能與中心 point 一起使用。</translation>
    </message>
    <message>
        <source>--at takes one point, x,y.</source>
        <translation>--at 只接受一個點 x,y。</translation>
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
        <translation>比例尺的 --points 是兩個點 x,y x,y。</translation>
    </message>
    <message>
        <source>plan show prints JSON: give --json.</source>
        <translation>plan show 輸出 JSON：請加 --json。</translation>
    </message>
    <message>
        <source>plan render needs one of --png FILE and --pdf FILE.</source>
        <translation>plan render 需要 --png FILE 或 --pdf FILE 之一。</translation>
    </message>
    <message>
        <source>this build draws no plans.</source>
        <translation>此版本不繪製平面圖。</translation>
    </message>
    <message>
        <source>a floor plan; prints its number</source>
        <translation>新增平面圖；輸出其編號</translation>
    </message>
    <message>
        <source>the house&apos;s floor plans</source>
        <translation>房屋的平面圖</translation>
    </message>
    <message>
        <source>the plan read against the compass</source>
        <translation>按羅盤讀取的平面圖</translation>
    </message>
    <message>
        <source>The plan&apos;s image or PDF.</source>
        <translation>平面圖的圖像或 PDF。</translation>
    </message>
    <message>
        <source>The PDF&apos;s page, from 1.</source>
        <translation>PDF 的頁碼，從 1 開始。</translation>
    </message>
    <message>
        <source>The floor&apos;s name.</source>
        <translation>樓層名稱。</translation>
    </message>
    <message>
        <source>Points of the image, &quot;x,y x,y ...&quot;.</source>
        <translation>圖像上的點，&quot;x,y x,y ...&quot;。</translation>
    </message>
    <message>
        <source>The front edge, from corner K (from 0) to the next.</source>
        <translation>正面邊：從角點 K（從 0 起）到下一個角點。</translation>
    </message>
    <message>
        <source>An outside area, &quot;NAME:x,y x,y ...&quot;; repeatable.</source>
        <translation>戶外區域，&quot;名稱:x,y x,y ...&quot;；可重複。</translation>
    </message>
    <message>
        <source>The centre point, x,y.</source>
        <translation>中心點 x,y。</translation>
    </message>
    <message>
        <source>The share of the box the outline must fill.</source>
        <translation>輪廓須填滿外框的比例。</translation>
    </message>
    <message>
        <source>The room&apos;s name.</source>
        <translation>房間名稱。</translation>
    </message>
    <message>
        <source>The scale&apos;s length in metres.</source>
        <translation>比例尺的長度（公尺）。</translation>
    </message>
    <message>
        <source>Write a PNG to FILE.</source>
        <translation>將 PNG 寫入 FILE。</translation>
    </message>
    <message>
        <source>Draw the nine-palace grid, not the wedges.</source>
        <translation>繪製九宮格而非扇區。</translation>
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
    <name>PalaceReport</name>
    <message>
        <source>Replacement chart palaces:</source>
        <translation>替卦九宮：</translation>
    </message>
    <message>
        <source>Palaces:</source>
        <translation>九宮：</translation>
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
        <translation>雙一水：家人思路清明，憑才識揚名得財。</translation>
    </message>
    <message>
        <source>Double water: plans drift, kidneys and ears suffer, and money seeps away.</source>
        <translation>雙一水：計劃飄浮，腎耳受累，錢財暗中流失。</translation>
    </message>
    <message>
        <source>Patient people here; land and property bring slow but sure gains.</source>
        <translation>家人耐心踏實，田產物業緩慢而穩當地生財。</translation>
    </message>
    <message>
        <source>Earth muddies water: stomach and kidney trouble, and money spent on doctors.</source>
        <translation>土濁水：腸胃腎臟不適，錢財多花在醫藥上。</translation>
    </message>
    <message>
        <source>Water feeds wood: fresh ideas here turn into new and growing business.</source>
        <translation>水生木：家人新意迭出，化為日漸興旺的新生意。</translation>
    </message>
    <message>
        <source>Sharp words at home and deals lost to disputes or petty theft.</source>
        <translation>家中言語尖刻，生意因爭執或小偷小摸而受損。</translation>
    </message>
    <message>
        <source>四一同宫: sharp students and writers here; exams passed and words well paid.</source>
        <translation>四一同宮：家中出讀書人與文才，考試順利，筆墨得酬。</translation>
    </message>
    <message>
        <source>四一同宫 out of season: study gives way to daydreams and romance to scandal.</source>
        <translation>四一同宮失令：讀書變作空想，感情惹出桃色是非。</translation>
    </message>
    <message>
        <source>Wary people who hold on; income is steady only while nothing is disturbed.</source>
        <translation>家人謹慎守成；不動土時收入尚可平穩。</translation>
    </message>
    <message>
        <source>The 5 poisons water: kidney, ear or blood disorders, and sudden losses.</source>
        <translation>五黃汙水：腎、耳或血液有疾，錢財驟然損失。</translation>
    </message>
    <message>
        <source>一六共宗: minds that rise to rank; promotion and a place among the leaders.</source>
        <translation>一六共宗：家人才智得位，晉升有望，躋身領導之列。</translation>
    </message>
    <message>
        <source>一六共宗 out of season: lonely authority, overwork and headaches.</source>
        <translation>一六共宗失令：身居高位而孤單，勞累過度，頭痛。</translation>
    </message>
    <message>
        <source>Quick wits and a gift for talk; money earned by speaking and selling.</source>
        <translation>家人機敏善言，靠口才與推銷賺錢。</translation>
    </message>
    <message>
        <source>Loose talk and cold hearts; money lost to smooth-tongued schemers.</source>
        <translation>口舌輕浮，人情冷淡，錢財被巧言之人騙走。</translation>
    </message>
    <message>
        <source>Hard-working people; wealth from property builds up, if slowly.</source>
        <translation>家人勤勞；物業財富雖慢卻日積月累。</translation>
    </message>
    <message>
        <source>Earth blocks water: ear and kidney ills, and savings tied up in land.</source>
        <translation>土克水：耳腎有疾，積蓄被困於田產。</translation>
    </message>
    <message>
        <source>Water and fire balanced: bright minds and money from reputation.</source>
        <translation>水火既濟：家人聰慧，憑名聲生財。</translation>
    </message>
    <message>
        <source>Water and fire clash: eye and heart strain, and a name won then lost.</source>
        <translation>水火相沖：眼睛心臟勞損，名聲得而復失。</translation>
    </message>
    <message>
        <source>Steady folk who heal and care; income from trade by water or travel.</source>
        <translation>家人穩重，善於照料病人；收入來自水路或出行的生意。</translation>
    </message>
    <message>
        <source>Earth over water: the mother&apos;s health falters and money slips away.</source>
        <translation>土壓水：母親健康欠佳，錢財悄然流走。</translation>
    </message>
    <message>
        <source>Double earth: a grounded household and gains from land and the sick-room trade.</source>
        <translation>雙二土：家人踏實，田地與醫護行業帶來收益。</translation>
    </message>
    <message>
        <source>Double earth: long illness, a lonely mother and money eaten by doctors.</source>
        <translation>雙二土：久病纏身，母親孤寂，錢財耗於醫藥。</translation>
    </message>
    <message>
        <source>Brisk people who push hard; business grows out of competition.</source>
        <translation>家人做事幹勁足，生意在競爭中成長。</translation>
    </message>
    <message>
        <source>斗牛煞: quarrels and lawsuits, stomach upsets, and money lost to disputes.</source>
        <translation>鬥牛煞：口角官非，腸胃不適，錢財因爭訟而失。</translation>
    </message>
    <message>
        <source>Gentle carers; money from teaching, writing or the healing trades.</source>
        <translation>家人溫和，善於照料；從教學、寫作或醫療行業得財。</translation>
    </message>
    <message>
        <source>Wood splits earth: the mother and the eldest daughter clash; stomach ills.</source>
        <translation>木克土：婆媳或母女不和，腸胃有病。</translation>
    </message>
    <message>
        <source>二五交加 held in its own period: power over land and bold property deals.</source>
        <translation>二五交加在本運得令：掌控田產，物業交易大膽得利。</translation>
    </message>
    <message>
        <source>二五交加: serious illness and accidents; money drained by misfortune.</source>
        <translation>二五交加：重病與意外，錢財被災禍耗盡。</translation>
    </message>
    <message>
        <source>Earth feeds metal: caring people; income from rank and steady employers.</source>
        <translation>土生金：家人體貼，收入來自職位與穩定的僱主。</translation>
    </message>
    <message>
        <source>Aches and worries of the elders at home; money spent on them.</source>
        <translation>家中長輩病痛多憂，錢財花在他們身上。</translation>
    </message>
    <message>
        <source>Kind people; income from speech, fine food or the healing arts.</source>
        <translation>家人和善，收入來自口才、飲食或醫術。</translation>
    </message>
    <message>
        <source>Chatter and ill health; money leaks through the mouth, in food or gossip.</source>
        <translation>閒話多而體弱，錢財從口中流失，或吃或說。</translation>
    </message>
    <message>
        <source>Solid people and solid ground: property and savings grow together.</source>
        <translation>家人穩重，根基牢固，物業與積蓄一同增長。</translation>
    </message>
    <message>
        <source>Stubborn ways and stiff stomachs; land that will not sell.</source>
        <translation>家人固執，腸胃滯脹，田產難以脫手。</translation>
    </message>
    <message>
        <source>Fire feeds earth: warm-hearted people; gains from fame and celebration.</source>
        <translation>火生土：家人熱心，因名聲與喜事而得益。</translation>
    </message>
    <message>
        <source>Foggy minds and slow illness; money spent on show or on cures.</source>
        <translation>頭腦昏沉，病情纏綿，錢財花在排場或醫藥上。</translation>
    </message>
    <message>
        <source>Energetic people with fresh plans; income flows from travel and trade.</source>
        <translation>家人精力充沛，計劃新穎，收入來自出行與貿易。</translation>
    </message>
    <message>
        <source>Restless people, legs and liver strained; money spent as fast as it comes.</source>
        <translation>家人浮躁，腿腳與肝臟受累，錢財來得快去得也快。</translation>
    </message>
    <message>
        <source>Driven people who win ground; money from land after hard bargaining.</source>
        <translation>家人進取，開疆闢土，艱難議價後從田地得財。</translation>
    </message>
    <message>
        <source>斗牛煞: shouting, feuds and lawsuits; money lost in disputes over land.</source>
        <translation>鬥牛煞：爭吵結怨，官司纏身，錢財因地產糾紛而失。</translation>
    </message>
    <message>
        <source>Double wood: the eldest son thrives; vigour and fast-growing business.</source>
        <translation>雙三木：長子興旺，家人有朝氣，生意快速成長。</translation>
    </message>
    <message>
        <source>Double wood: tempers flare, theft and lawsuits; money lost to rivals.</source>
        <translation>雙三木：脾氣暴躁，盜竊官非，錢財被對手奪去。</translation>
    </message>
    <message>
        <source>Two woods in a grove: lively, cultured people; gains from writing and design.</source>
        <translation>兩木成林：家人活潑有文采，從寫作設計中得益。</translation>
    </message>
    <message>
        <source>Wind and thunder restless: nervous people; money scattered by whims.</source>
        <translation>風雷不寧：家人神經緊張，錢財因一時興起而散失。</translation>
    </message>
    <message>
        <source>Bold people who dare; big ventures pay while the 5 rules the period.</source>
        <translation>家人敢作敢為；五黃當令時，大舉投資有回報。</translation>
    </message>
    <message>
        <source>Wood meets the 5: liver and leg injuries, and costly accidents.</source>
        <translation>木遇五黃：肝臟腿腳受傷，意外破財。</translation>
    </message>
    <message>
        <source>Young people promoted by their elders; money from firm employers.</source>
        <translation>晚輩得長輩提拔，收入來自穩固的僱主。</translation>
    </message>
    <message>
        <source>Metal chops wood: the eldest son hurt or at odds with the father; legal costs.</source>
        <translation>金克木：長子受傷或與父親不和，官司耗財。</translation>
    </message>
    <message>
        <source>Quick, bold people; income from speech and sales, held firmly.</source>
        <translation>家人敏捷果敢，靠口才推銷賺錢，守得住財。</translation>
    </message>
    <message>
        <source>穿心煞: robbery and break-ins, injury by blades; guard goods and cash.</source>
        <translation>穿心煞：劫盜入屋，刀傷之患，須看好財物。</translation>
    </message>
    <message>
        <source>Eager sons and sound property: business expands on firm ground.</source>
        <translation>兒子上進，物業穩健，生意在穩固基礎上擴展。</translation>
    </message>
    <message>
        <source>Wood digs earth: the youngest son hurt, stomach and hands; land disputes.</source>
        <translation>木克土：幼子受傷，腸胃手部有疾，田產糾紛。</translation>
    </message>
    <message>
        <source>Wood feeds fire: bright, rising people; fame that brings money.</source>
        <translation>木生火：家人聰明上進，名聲帶來財富。</translation>
    </message>
    <message>
        <source>Hot heads and quick words; money burnt in haste.</source>
        <translation>性急言快，錢財因倉促行事而耗盡。</translation>
    </message>
    <message>
        <source>Refined, studious people; income from learning, travel and letters.</source>
        <translation>家人文雅好學，收入來自學問、出行與書信。</translation>
    </message>
    <message>
        <source>Dreamers led astray by romance; money spent on drink and pleasure.</source>
        <translation>家人耽於幻想，為情所迷，錢財花在酒色上。</translation>
    </message>
    <message>
        <source>Gentle people; money from teaching, books or the land, slowly.</source>
        <translation>家人溫和；從教學、書籍或田地中慢慢得財。</translation>
    </message>
    <message>
        <source>Wood over earth: the mother unwell, stomach trouble; slow, stuck income.</source>
        <translation>木壓土：母親不適，腸胃有病，收入遲滯。</translation>
    </message>
    <message>
        <source>A grove: cultured, lively people; income from the arts and media.</source>
        <translation>成林之象：家人有文化，活潑；從藝術與傳媒得財。</translation>
    </message>
    <message>
        <source>Thunder and wind: nerves frayed, sisters and brothers quarrel; money drifts.</source>
        <translation>雷風相薄：神經緊繃，兄弟姐妹爭吵，錢財飄散。</translation>
    </message>
    <message>
        <source>Double wood: the eldest daughter shines; fame from study and writing.</source>
        <translation>雙四木：長女出眾，因讀書寫作而揚名。</translation>
    </message>
    <message>
        <source>Double wood: scandal and wandering, with breathing trouble; vague plans.</source>
        <translation>雙四木：桃色是非，漂泊不定，呼吸有疾，計劃含糊。</translation>
    </message>
    <message>
        <source>Gifted people who hold on; fortune from ventures only while 5 rules.</source>
        <translation>家人有才，守得住；唯五黃當令時投資有利。</translation>
    </message>
    <message>
        <source>The 5 meets wood: breast or liver illness and losses through bad advice.</source>
        <translation>五黃遇木：乳房或肝臟有病，誤信人言而破財。</translation>
    </message>
    <message>
        <source>Well-read people gain patrons; money from office and firm posts.</source>
        <translation>家人博學，得貴人扶持，從官職與穩定崗位得財。</translation>
    </message>
    <message>
        <source>Metal cuts wood: the eldest daughter pressed hard; hips and lungs ache.</source>
        <translation>金克木：長女受壓，腰胯與肺部疼痛。</translation>
    </message>
    <message>
        <source>Charming, well-spoken people; money from the arts of talk.</source>
        <translation>家人風趣，能言善道，靠口才技藝賺錢。</translation>
    </message>
    <message>
        <source>Metal cuts wood: gossip and jealousy between women; money lost to flattery.</source>
        <translation>金克木：女子間閒話嫉妒，錢財被奉承者騙去。</translation>
    </message>
    <message>
        <source>Learned sons and sound land: study pays off in property.</source>
        <translation>兒子有學識，根基穩，學問換來物業。</translation>
    </message>
    <message>
        <source>Wood digs earth: the youngest son unwell; land deals stall in paperwork.</source>
        <translation>木克土：幼子不適，田產交易卡在文書手續。</translation>
    </message>
    <message>
        <source>Wood feeds fire: bright scholars; fame and honours bring money.</source>
        <translation>木生火：家中出才子，名譽榮耀帶來錢財。</translation>
    </message>
    <message>
        <source>Restless, fiery people; money burnt on appearances.</source>
        <translation>家人浮躁火旺，錢財耗於外表排場。</translation>
    </message>
    <message>
        <source>Strong-willed people in command; income steady if the ground stays still.</source>
        <translation>家人意志堅定，掌握大局；地氣安靜時收入平穩。</translation>
    </message>
    <message>
        <source>The 5 over water: kidney and ear illness; money lost to sudden trouble.</source>
        <translation>五黃壓水：腎耳有疾，錢財因突發之事而失。</translation>
    </message>
    <message>
        <source>二五交加 held in its own period: command over land and its income.</source>
        <translation>二五交加在本運得令：掌控田地及其收益。</translation>
    </message>
    <message>
        <source>二五交加: grave illness and bereavement; money drained by misfortune.</source>
        <translation>二五交加：重病喪事，錢財被災禍耗盡。</translation>
    </message>
    <message>
        <source>People of power who build; large ventures pay while the 5 rules.</source>
        <translation>家人有權勢，善建設；五黃當令時大項目有回報。</translation>
    </message>
    <message>
        <source>Accidents to limbs and liver, and money lost in lawsuits.</source>
        <translation>四肢肝臟有意外之傷，錢財因官司而失。</translation>
    </message>
    <message>
        <source>Powerful people with learning; income from authority over words.</source>
        <translation>家人有權又有學問，靠掌管文書而得財。</translation>
    </message>
    <message>
        <source>Illness from a hidden source, affairs and losses through bad contracts.</source>
        <translation>病源隱伏，桃色糾紛，因不良合約而破財。</translation>
    </message>
    <message>
        <source>Double 5 in its own period: great power and command over wealth.</source>
        <translation>雙五黃在本運得令：大權在握，掌控財富。</translation>
    </message>
    <message>
        <source>Double 5: the worst of illness and mishap; guard health and money alike.</source>
        <translation>雙五黃：疾病災禍最重，健康錢財都須嚴防。</translation>
    </message>
    <message>
        <source>Earth feeds metal: forceful leaders; income from rank and authority.</source>
        <translation>土生金：家人有魄力善領導，收入來自職位權力。</translation>
    </message>
    <message>
        <source>The father&apos;s health at risk, head and lungs; money lost to officials.</source>
        <translation>父親健康堪憂，頭部肺部有疾，錢財耗於官府。</translation>
    </message>
    <message>
        <source>Earth feeds metal: commanding speakers; money from persuasion.</source>
        <translation>土生金：家人說話有分量，憑說服力賺錢。</translation>
    </message>
    <message>
        <source>Poison in the mouth: food poisoning, rash words and fraud.</source>
        <translation>口中有毒：食物中毒，出言不慎，受騙破財。</translation>
    </message>
    <message>
        <source>Stable, powerful people; land and savings held firmly.</source>
        <translation>家人穩重有權勢，田產積蓄牢牢守住。</translation>
    </message>
    <message>
        <source>Stubborn illness of the stomach and bones; property that sinks in value.</source>
        <translation>腸胃骨骼頑疾，物業貶值。</translation>
    </message>
    <message>
        <source>Fire feeds the 5: fierce ambition that pays while the 5 rules.</source>
        <translation>火生五黃：雄心勃勃，五黃當令時有回報。</translation>
    </message>
    <message>
        <source>Fire feeds the 5: poison at its worst; fevers, fire and sudden loss.</source>
        <translation>火生五黃：毒氣最盛，發燒火災，驟然破財。</translation>
    </message>
    <message>
        <source>一六共宗: leaders rise here, and their standing brings contracts and salary.</source>
        <translation>一六共宗：此處出領袖，地位帶來合約與薪俸。</translation>
    </message>
    <message>
        <source>一六共宗 out of season: cold and lonely at the top; income without joy.</source>
        <translation>一六共宗失令：高處不勝寒，有收入而無歡樂。</translation>
    </message>
    <message>
        <source>Elders who lead with care; income from land and loyal staff.</source>
        <translation>長輩以關懷領導家人，收入來自田地與忠誠的員工。</translation>
    </message>
    <message>
        <source>An ailing father and a worried mother; money spent on their care.</source>
        <translation>父親多病，母親憂心，錢財花在照料上。</translation>
    </message>
    <message>
        <source>Leaders who nurture the young; money from new ventures they back.</source>
        <translation>領導者栽培後輩，從所扶持的新事業中得財。</translation>
    </message>
    <message>
        <source>Metal chops wood: father and eldest son at odds; legs and lawsuits.</source>
        <translation>金克木：父親與長子不和，腿腳受傷，官司纏身。</translation>
    </message>
    <message>
        <source>Men of rank who value learning; income from publishing or advice.</source>
        <translation>有地位者重視學問，收入來自出版或諮詢。</translation>
    </message>
    <message>
        <source>Metal cuts wood: the eldest daughter pressed by authority; wasted study.</source>
        <translation>金克木：長女受權威壓制，學業荒廢。</translation>
    </message>
    <message>
        <source>Authority backed by power; income from command while the 5 rules.</source>
        <translation>權威有實力支撐，五黃當令時靠指揮得財。</translation>
    </message>
    <message>
        <source>The 5 over metal: the father&apos;s illness and accidents to the head.</source>
        <translation>五黃壓金：父親有病，頭部意外受傷。</translation>
    </message>
    <message>
        <source>Double metal: strong leaders and promotion; money from high office.</source>
        <translation>雙六金：出強勢領導，升遷有望，從高位得財。</translation>
    </message>
    <message>
        <source>Double metal: a lonely, stern household; head and lung ills.</source>
        <translation>雙六金：家中孤寒嚴峻，頭部肺部有疾。</translation>
    </message>
    <message>
        <source>Two metals in line: disciplined people; income from law or arms.</source>
        <translation>兩金並列：家人有紀律，收入來自法律或軍警行業。</translation>
    </message>
    <message>
        <source>交剑煞: fights and blades, robbery and clashes among the family.</source>
        <translation>交劍煞：爭鬥刀傷，劫掠之事，家人相沖。</translation>
    </message>
    <message>
        <source>六八: elders of standing and a fortune in property and savings.</source>
        <translation>六八：長輩有地位，物業與積蓄豐厚。</translation>
    </message>
    <message>
        <source>六八 out of season: wealth held but tight-fisted; the elders grow rigid.</source>
        <translation>六八失令：有財而吝嗇，長輩日趨固執。</translation>
    </message>
    <message>
        <source>Fire tempers metal: leaders of renown; wealth through public honour.</source>
        <translation>火鍊金：領導有名望，憑公眾榮譽得財。</translation>
    </message>
    <message>
        <source>火烧天门: the elders wronged or ailing, head and lungs; rows with the father.</source>
        <translation>火燒天門：長輩受屈或患病，頭肺有疾，與父親爭吵。</translation>
    </message>
    <message>
        <source>Eloquent people with wit; income from travel, trade and talk.</source>
        <translation>家人口才好有機智，收入來自出行、貿易與口才。</translation>
    </message>
    <message>
        <source>Silver tongues and loose morals; money lost to drink and pleasure.</source>
        <translation>花言巧語，品行不端，錢財耗於酒色。</translation>
    </message>
    <message>
        <source>Warm talkers and healers; money from food, medicine or land.</source>
        <translation>家人健談善醫，從飲食、醫藥或田地得財。</translation>
    </message>
    <message>
        <source>Mouth and stomach ills; money spent on doctors and rumours.</source>
        <translation>口腔腸胃有病，錢財花在醫生與流言上。</translation>
    </message>
    <message>
        <source>Bold talkers who win; money from sales and quick deals.</source>
        <translation>家人敢說敢為，靠銷售與快速交易得財。</translation>
    </message>
    <message>
        <source>穿心煞: robbery, break-ins and knife wounds; keep cash and doors secure.</source>
        <translation>穿心煞：劫盜入屋，刀傷之患，現金門戶要守牢。</translation>
    </message>
    <message>
        <source>Charming, well-read people; income from writing, art and speech.</source>
        <translation>家人風趣博學，收入來自寫作、藝術與演講。</translation>
    </message>
    <message>
        <source>Gossip and jealousy among the women; money wasted on flattery.</source>
        <translation>女眷之間閒話嫉妒，錢財浪費在奉承上。</translation>
    </message>
    <message>
        <source>Forceful speakers; income from persuasion while the 5 rules.</source>
        <translation>家人說話有力，五黃當令時憑說服力得財。</translation>
    </message>
    <message>
        <source>Poisoned words and food: mouth illness, fraud and sudden loss.</source>
        <translation>言語飲食帶毒：口疾、欺詐與驟然破財。</translation>
    </message>
    <message>
        <source>Disciplined people in uniform; income from law, arms or finance.</source>
        <translation>家人紀律嚴明，收入來自法律、軍警或金融。</translation>
    </message>
    <message>
        <source>交剑煞: quarrels turn to blows; robbery and injury by metal.</source>
        <translation>交劍煞：爭吵演成鬥毆，劫掠與金屬所傷。</translation>
    </message>
    <message>
        <source>Double metal: eloquent youth; money from speech, law or sales.</source>
        <translation>雙七金：年輕人口才出眾，從演講、法律或銷售得財。</translation>
    </message>
    <message>
        <source>Double metal: gossip, robbery and lung or mouth trouble.</source>
        <translation>雙七金：閒話劫盜，肺部口腔有疾。</translation>
    </message>
    <message>
        <source>Earth feeds metal: cheerful young people; steady money from property.</source>
        <translation>土生金：年輕人開朗，物業帶來穩定收入。</translation>
    </message>
    <message>
        <source>Youngest children at odds; land deals spoiled by empty promises.</source>
        <translation>幼年子女不和，田產交易被空頭承諾所誤。</translation>
    </message>
    <message>
        <source>回禄, held for now: quick minds and lively talk; still guard against fire.</source>
        <translation>回祿暫且受制：家人機敏健談，仍須防火。</translation>
    </message>
    <message>
        <source>回禄: fire at home and hot tempers; check wiring and stoves.</source>
        <translation>回祿：家中火災，脾氣火爆，要檢查電線爐灶。</translation>
    </message>
    <message>
        <source>Steady, wise people; income from travel and skill flows in.</source>
        <translation>家人穩重睿智，出行與技能帶來收入。</translation>
    </message>
    <message>
        <source>Earth dams water: the middle son strained, kidneys weak; money stuck.</source>
        <translation>土堵水：次子勞累，腎氣虛弱，錢財週轉不靈。</translation>
    </message>
    <message>
        <source>Grounded people and firm land: wealth from property and farming.</source>
        <translation>家人踏實，地基穩固，從物業與農牧得財。</translation>
    </message>
    <message>
        <source>Heavy hearts, stomach ills; land that ties money up.</source>
        <translation>心情沉重，腸胃有病，田產積壓資金。</translation>
    </message>
    <message>
        <source>Young sons who grow; property put to new and busy use.</source>
        <translation>少男成長，物業得到新而興旺的用途。</translation>
    </message>
    <message>
        <source>Wood digs earth: the youngest son hurt; quarrels over property.</source>
        <translation>木克土：幼子受傷，因物業而起爭執。</translation>
    </message>
    <message>
        <source>Calm, learned people; money from books, schools or land.</source>
        <translation>家人沉靜有學識，從書籍、學校或田地得財。</translation>
    </message>
    <message>
        <source>Wood digs earth: the youngest son unwell; paperwork over land drags on.</source>
        <translation>木克土：幼子不適，田產文書拖延不決。</translation>
    </message>
    <message>
        <source>Solid, powerful people; property held firmly while the 5 rules.</source>
        <translation>家人穩健有勢，五黃當令時物業牢固。</translation>
    </message>
    <message>
        <source>The 5 on earth: stomach and bone illness; land that loses value.</source>
        <translation>五黃臨土：腸胃骨骼有病，田產貶值。</translation>
    </message>
    <message>
        <source>六八: the young learn from elders; wealth from rank and property.</source>
        <translation>六八：後輩向長輩學習，從地位與物業中得財。</translation>
    </message>
    <message>
        <source>六八 out of season: hard-won savings held too tightly; elders rigid.</source>
        <translation>六八失令：辛苦積蓄守得太緊，長輩固執。</translation>
    </message>
    <message>
        <source>Earth feeds metal: a content household; cash from sales and speech.</source>
        <translation>土生金：家人知足，靠銷售與口才進賬。</translation>
    </message>
    <message>
        <source>Idle talk at home; money frittered on treats and trifles.</source>
        <translation>家中閒話多，錢財浪費在零食小物上。</translation>
    </message>
    <message>
        <source>Double 8: a stable household and wealth from land that keeps growing.</source>
        <translation>雙八土：家道安穩，田產財富不斷增長。</translation>
    </message>
    <message>
        <source>Double 8 out of season: stubborn habits and stagnant property.</source>
        <translation>雙八失令：習慣固執，物業停滯不前。</translation>
    </message>
    <message>
        <source>八九: weddings, births and celebrations; property gains in value.</source>
        <translation>八九：婚嫁添丁喜事連連，物業增值。</translation>
    </message>
    <message>
        <source>八九 out of season: celebrations that cost more than they bring.</source>
        <translation>八九失令：喜慶之事花費多於所得。</translation>
    </message>
    <message>
        <source>Bright people with balance; fame turns into income from travel.</source>
        <translation>家人聰明有分寸，名聲化作出行得來的收入。</translation>
    </message>
    <message>
        <source>Fire and water clash: eye and heart strain, and money lost in haste.</source>
        <translation>水火相沖：眼睛心臟勞損，倉促行事而破財。</translation>
    </message>
    <message>
        <source>Fire feeds earth: warm, famous people; money from land and care.</source>
        <translation>火生土：家人熱情有名氣，從田地與照護行業得財。</translation>
    </message>
    <message>
        <source>Fire feeds the sick star: hidden illness spreads; money spent on cures.</source>
        <translation>火生病星：隱疾蔓延，錢財花在治病上。</translation>
    </message>
    <message>
        <source>Wood feeds fire: brilliant people rise fast; income from new ideas.</source>
        <translation>木生火：家人才華出眾，迅速崛起，新構想帶來收入。</translation>
    </message>
    <message>
        <source>Quick to anger and to spend; money burnt on show.</source>
        <translation>易怒又好花錢，錢財耗於排場。</translation>
    </message>
    <message>
        <source>Wood feeds fire: scholars of renown; income from publishing and fame.</source>
        <translation>木生火：出有名望的學者，從出版與名聲得財。</translation>
    </message>
    <message>
        <source>Vanity and romance cloud the mind; money spent to be admired.</source>
        <translation>虛榮與情事矇蔽心智，為博人讚賞而花錢。</translation>
    </message>
    <message>
        <source>Fire feeds the 5: fierce drive that pays while the 5 rules.</source>
        <translation>火生五黃：幹勁十足，五黃當令時有回報。</translation>
    </message>
    <message>
        <source>Fire feeds the 5: fevers, eye trouble and fire; losses without warning.</source>
        <translation>火生五黃：發燒眼疾火災，毫無預兆地破財。</translation>
    </message>
    <message>
        <source>Fire tempers metal: leaders with renown; wealth from authority.</source>
        <translation>火鍊金：領導有聲望，憑權威得財。</translation>
    </message>
    <message>
        <source>火烧天门: strife with the father or boss; headaches and lung trouble.</source>
        <translation>火燒天門：與父親或上司衝突，頭痛肺疾。</translation>
    </message>
    <message>
        <source>回禄, held for now: lively people and cash from entertainment; mind the fire.</source>
        <translation>回祿暫且受制：家人活潑，從娛樂得現金，仍要小心火燭。</translation>
    </message>
    <message>
        <source>回禄: fire, burns and heated rows; money lost in flames or in court.</source>
        <translation>回祿：火災燙傷，爭吵激烈，錢財毀於火或官司。</translation>
    </message>
    <message>
        <source>八九: joyful news, weddings and births; property gains in value.</source>
        <translation>八九：喜訊連連，婚嫁添丁，物業增值。</translation>
    </message>
    <message>
        <source>八九 out of season: festive spending that leaves property thin.</source>
        <translation>八九失令：喜慶開支過大，物業日漸單薄。</translation>
    </message>
    <message>
        <source>Double fire: fame, honours and joyful events; money from renown.</source>
        <translation>雙九火：名譽榮耀，喜事臨門，憑聲望得財。</translation>
    </message>
    <message>
        <source>Double fire: eye and heart trouble, hot tempers and risk of fire.</source>
        <translation>雙九火：眼睛心臟有疾，脾氣火爆，有火災之險。</translation>
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
        <translation>吉凶參半</translation>
    </message>
    <message>
        <source>unfavourable</source>
        <translation>兇</translation>
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
        <translation>事業</translation>
    </message>
    <message>
        <source>celebration</source>
        <translation>喜慶</translation>
    </message>
    <message>
        <source>conflict</source>
        <translation>爭鬥</translation>
    </message>
    <message>
        <source>elders</source>
        <translation>長輩</translation>
    </message>
    <message>
        <source>fire</source>
        <translation>火災</translation>
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
        <translation>劫盜</translation>
    </message>
    <message>
        <source>study</source>
        <translation>學業</translation>
    </message>
    <message>
        <source>wealth</source>
        <translation>財運</translation>
    </message>
    <message>
        <source>太岁 (Grand Duke)</source>
        <translation>太歲</translation>
    </message>
    <message>
        <source>no digging or renovation here this year, and do not sit facing it.</source>
        <translation>今年此處不宜動土裝修，也不宜坐向此方。</translation>
    </message>
    <message>
        <source>岁破 (Year Breaker)</source>
        <translation>歲破</translation>
    </message>
    <message>
        <source>no digging or renovation here this year; keep heavy work and noise away.</source>
        <translation>今年此處不宜動土裝修，避免重活與噪音。</translation>
    </message>
    <message>
        <source>三煞 (Three Killings)</source>
        <translation>三煞</translation>
    </message>
    <message>
        <source>no digging or renovation here this year; sit with it behind you, never facing it.</source>
        <translation>今年此處不宜動土裝修；宜背坐此方，切勿面向。</translation>
    </message>
    <message>
        <source>五黄 (Five Yellow)</source>
        <translation>五黃</translation>
    </message>
    <message>
        <source>no digging or renovation here this year; keep it still, and let metal drain it.</source>
        <translation>今年此處不宜動土裝修；保持安靜，可用金屬化洩。</translation>
    </message>
    <message>
        <source>二黑 (Two Black)</source>
        <translation>二黑</translation>
    </message>
    <message>
        <source>keep it quiet and clean this year; ill health: do not sleep or nurse the sick here.</source>
        <translation>今年此處宜安靜整潔；主疾病：不宜在此睡臥或養病。</translation>
    </message>
    <message>
        <source>月破 (Month Breaker)</source>
        <translation>月破</translation>
    </message>
    <message>
        <source>no digging or renovation here this month.</source>
        <translation>本月此處不宜動土裝修。</translation>
    </message>
    <message>
        <source>月三煞 (the month&apos;s Three Killings)</source>
        <translation>月三煞</translation>
    </message>
    <message>
        <source>no digging or renovation here this month, and do not sit facing it.</source>
        <translation>本月此處不宜動土裝修，也不宜坐向此方。</translation>
    </message>
    <message>
        <source>月五黄 (the month&apos;s Five Yellow)</source>
        <translation>月五黃</translation>
    </message>
    <message>
        <source>no digging or renovation here this month; keep it still.</source>
        <translation>本月此處不宜動土裝修；保持安靜。</translation>
    </message>
    <message>
        <source>月二黑 (the month&apos;s Two Black)</source>
        <translation>月二黑</translation>
    </message>
    <message>
        <source>keep it quiet and clean this month; ill health: do not nurse the sick here.</source>
        <translation>本月此處宜安靜整潔；主疾病：不宜在此養病。</translation>
    </message>
    <message>
        <source>四一同宫</source>
        <translation>四一同宮</translation>
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
        <translation>鬥牛煞</translation>
    </message>
    <message>
        <source>穿心煞</source>
        <translation>穿心煞</translation>
    </message>
    <message>
        <source>交剑煞</source>
        <translation>交劍煞</translation>
    </message>
    <message>
        <source>回禄</source>
        <translation>回祿</translation>
    </message>
    <message>
        <source>火烧天门</source>
        <translation>火燒天門</translation>
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
        <translation>到宮飛星：%1。</translation>
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
        <translation>%1 影像已損毀或不完整。</translation>
    </message>
    <message>
        <source>The file is neither an image Orrindel can read nor a PDF.</source>
        <translation>該檔案既不是 Orrindel 能讀取的影像，也不是 PDF。</translation>
    </message>
    <message>
        <source>An image has one page; there is no page %1.</source>
        <translation>影像只有一頁，沒有第 %1 頁。</translation>
    </message>
    <message>
        <source>The image claims %1 × %2 pixels; a plan may have at most %3 megapixels and %4 pixels a side.</source>
        <translation>該影像宣稱為 %1 × %2 像素；平面圖最多 %3 百萬像素，每邊最多 %4 像素。</translation>
    </message>
    <message>
        <source>The PDF is locked with a password.</source>
        <translation>該 PDF 受密碼保護。</translation>
    </message>
    <message>
        <source>The file begins as a PDF but is damaged or not a PDF.</source>
        <translation>該檔案開頭像 PDF，但已損毀或並非 PDF。</translation>
    </message>
    <message>
        <source>The PDF has no page %1; its last page is %2.</source>
        <translation>該 PDF 沒有第 %1 頁；最後一頁是第 %2 頁。</translation>
    </message>
    <message>
        <source>Page %1 of the PDF has no size.</source>
        <translation>PDF 的第 %1 頁沒有尺寸。</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, the most a plan may be.</source>
        <translation>檔案大於 %1 MB，超過平面圖的上限。</translation>
    </message>
    <message>
        <source>Page %1 of the PDF cannot be drawn.</source>
        <translation>無法繪製 PDF 的第 %1 頁。</translation>
    </message>
    <message>
        <source>%1 does not exist.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是檔案。</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, the most a plan may be.</source>
        <translation>%1 大於 %2 MB，超過平面圖的上限。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>無法讀取 %1。</translation>
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
    <message>
        <source>Palace:</source>
        <translation>宮位：</translation>
    </message>
    <message>
        <source>Relation:</source>
        <translation>生剋：</translation>
    </message>
    <message>
        <source>Named pair:</source>
        <translation>星組：</translation>
    </message>
    <message>
        <source>Reading:</source>
        <translation>斷語：</translation>
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
        <translation>宮位(&amp;P)</translation>
    </message>
    <message>
        <source>The stars are read against period %1, the period of %2.</source>
        <translation>星曜按%1運論旺衰，即%2所屬之運。</translation>
    </message>
    <message>
        <source>The stars are read against period %1, the period of this month. Switch on the annual stars in the main window to see the year&apos;s and the month&apos;s visiting stars and afflictions here.</source>
        <translation>星曜按%1運論旺衰，即本月所屬之運。在主視窗中開啟流年飛星，即可在此查看年星、月星的飛臨及其煞位。</translation>
    </message>
    <message>
        <source>%1 palace, mountain star %2, facing star %3</source>
        <translation>%1宮，山星 %2，向星 %3</translation>
    </message>
    <message>
        <source>%1, mountain star %2 (%3), facing star %4 (%5)</source>
        <translation>%1宮，山星 %2（%3），向星 %4（%5）</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>none</source>
        <translation>無</translation>
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
        <translation>%1 %2 · 運星 %3</translation>
    </message>
    <message>
        <source> · annual %1 · monthly %2</source>
        <translation> · 年星 %1 · 月星 %2</translation>
    </message>
    <message>
        <source>Floor Plan — %1</source>
        <translation>平面圖 — %1</translation>
    </message>
    <message>
        <source>Add Floor Plan</source>
        <translation>新增平面圖</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg *.bmp *.gif *.pdf)</source>
        <translation>平面圖 (*.png *.jpg *.jpeg *.bmp *.gif *.pdf)</translation>
    </message>
    <message>
        <source>Page of the PDF (1 to %1):</source>
        <translation>PDF 的頁碼（1 到 %1）：</translation>
    </message>
    <message>
        <source>Rename Floor</source>
        <translation>重新命名樓層</translation>
    </message>
    <message>
        <source>Floor:</source>
        <translation>樓層：</translation>
    </message>
    <message>
        <source>Floors</source>
        <translation>樓層</translation>
    </message>
    <message>
        <source>Shape traced</source>
        <translation>正在描繪的形狀</translation>
    </message>
    <message>
        <source>Name of a new room or outside area</source>
        <translation>新房間或戶外區域的名稱</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>太極點</translation>
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
        <translation>填滿時取外框</translation>
    </message>
    <message>
        <source>Placed point</source>
        <translation>指定點</translation>
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
        <translation>3 × 3 九宮格(&amp;G)</translation>
    </message>
    <message>
        <source>Mountain r&amp;ing</source>
        <translation>二十四山環(&amp;I)</translation>
    </message>
    <message>
        <source>Floor plan</source>
        <translation>平面圖</translation>
    </message>
    <message>
        <source>Click to add a corner, drag a corner to move it, arrow keys nudge the selected one</source>
        <translation>按一下新增角點，拖曳角點可移動它，方向鍵微調選取的角點</translation>
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
        <translation>角點</translation>
    </message>
    <message>
        <source>Palace</source>
        <translation>宮位</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>面積</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>占比</translation>
    </message>
    <message>
        <source>Cell filled</source>
        <translation>格內填充</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>缺角</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>房間</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>飛星</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>吉凶</translation>
    </message>
    <message>
        <source>Palaces</source>
        <translation>九宮</translation>
    </message>
    <message>
        <source>&amp;Palaces</source>
        <translation>宮位(&amp;P)</translation>
    </message>
    <message>
        <source>C&amp;orners</source>
        <translation>角點(&amp;O)</translation>
    </message>
    <message>
        <source>Change Centre</source>
        <translation>變更太極點</translation>
    </message>
    <message>
        <source>&amp;Add Plan…</source>
        <translation>新增平面圖(&amp;A)…</translation>
    </message>
    <message>
        <source>Re&amp;name…</source>
        <translation>重新命名(&amp;N)…</translation>
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
        <translation>新增房間(&amp;M)</translation>
    </message>
    <message>
        <source>Add Out&amp;side</source>
        <translation>新增戶外區域(&amp;S)</translation>
    </message>
    <message>
        <source>Remove S&amp;hape</source>
        <translation>移除形狀(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Front Edge</source>
        <translation>設為正面邊(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Delete Corner</source>
        <translation>刪除角點(&amp;D)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Floor %1</source>
        <translation>%1 樓</translation>
    </message>
    <message>
        <source>Remove the plan of %1?</source>
        <translation>移除 %1 的平面圖嗎？</translation>
    </message>
    <message>
        <source>Room %1</source>
        <translation>房間 %1</translation>
    </message>
    <message>
        <source>Outside %1</source>
        <translation>戶外 %1</translation>
    </message>
    <message>
        <source>Add Room</source>
        <translation>新增房間</translation>
    </message>
    <message>
        <source>Add Outside Area</source>
        <translation>新增戶外區域</translation>
    </message>
    <message>
        <source>Remove Shape</source>
        <translation>移除形狀</translation>
    </message>
    <message>
        <source>Delete Corner</source>
        <translation>刪除角點</translation>
    </message>
    <message>
        <source>Set Front Edge</source>
        <translation>設定正面邊</translation>
    </message>
    <message>
        <source>Outline</source>
        <translation>輪廓</translation>
    </message>
    <message>
        <source>Room: %1</source>
        <translation>房間：%1</translation>
    </message>
    <message>
        <source>Outside: %1</source>
        <translation>戶外：%1</translation>
    </message>
    <message>
        <source>Move Corner</source>
        <translation>移動角點</translation>
    </message>
    <message>
        <source>%1 (%2 m²)</source>
        <translation>%1（%2 平方公尺）</translation>
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
        <translation>請新增一個樓層的平面圖，再在圖上描繪。</translation>
    </message>
    <message>
        <source>The centre lies outside the outline.</source>
        <translation>太極點落在輪廓之外。</translation>
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
    <message>
        <source>Floor &amp;Plan…</source>
        <translation>平面圖(&amp;P)…</translation>
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
    <message>
        <source>Palace</source>
        <translation>宮位</translation>
    </message>
    <message>
        <source>Stars, tone</source>
        <translation>星與吉凶</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>斷語</translation>
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
        <translation>替卦九宮，%1</translation>
    </message>
    <message>
        <source>The palaces, %1</source>
        <translation>九宮，%1</translation>
    </message>
    <message>
        <source>Each star is read against period %1, the period of %2; the mountain star speaks for the people and their health, the facing star for money.</source>
        <translation>各星以%2所屬的%1運論旺衰；山星主人丁與健康，向星主財。</translation>
    </message>
    <message>
        <source>a point placed</source>
        <translation>指定的點</translation>
    </message>
    <message>
        <source>the centre of the house&apos;s rectangle</source>
        <translation>房屋外框的中心</translation>
    </message>
    <message>
        <source>the outline&apos;s centroid</source>
        <translation>輪廓的重心</translation>
    </message>
    <message>
        <source>%1, by the missing-corner rule</source>
        <translation>%1（依缺角規則）</translation>
    </message>
    <message>
        <source>%1, outside the outline</source>
        <translation>%1，位於輪廓之外</translation>
    </message>
    <message>
        <source>Area (px²)</source>
        <translation>面積（平方像素）</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>占比</translation>
    </message>
    <message>
        <source>Area (m²)</source>
        <translation>面積（平方公尺）</translation>
    </message>
    <message>
        <source>Rooms</source>
        <translation>房間</translation>
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
        <translation>太極點：</translation>
    </message>
</context>
<context>
    <name>orrindel::PlanCanvas</name>
    <message>
        <source>Move Corner</source>
        <translation>移動角點</translation>
    </message>
    <message>
        <source>Insert Corner</source>
        <translation>插入角點</translation>
    </message>
    <message>
        <source>Add Corner</source>
        <translation>新增角點</translation>
    </message>
    <message>
        <source>Move Centre</source>
        <translation>移動太極點</translation>
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
        <translation>無法繪製影像</translation>
    </message>
    <message>
        <source>Floor plan</source>
        <translation>平面圖</translation>
    </message>
    <message>
        <source>Cannot write the plan %1: %2</source>
        <translation>無法寫入平面圖 %1：%2</translation>
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
    <message>
        <source>&amp;Floor Plan…</source>
        <translation>平面圖(&amp;F)…</translation>
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
