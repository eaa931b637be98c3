<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>Osken</name>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>NO MOUSE DETECTED!</source>
        <translation>未偵測到滑鼠！</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>載入組態(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>結束(&amp;Q)</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>滑鼠處於休眠狀態或未連接。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>傳送資料失敗，請再試一次。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>無法儲存設定。</translation>
    </message>
    <message>
        <source>Mouse Sleep</source>
        <translation>滑鼠休眠</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重設</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重設</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>側面</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按 Enter 鍵套用</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>燈效</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按鍵設定</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>巨集</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>設定檔</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>简体中文</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>繁體中文</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>125 HZ</source>
        <translation>125 Hz</translation>
    </message>
    <message>
        <source>250 HZ</source>
        <translation>250 Hz</translation>
    </message>
    <message>
        <source>500 HZ</source>
        <translation>500 Hz</translation>
    </message>
    <message>
        <source>1000 HZ</source>
        <translation>1000 Hz</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一個左鍵功能。</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一個設定檔。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>預設設定檔無法刪除或重新命名。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>確定要刪除此設定檔嗎？</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>設定檔已存在！</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>此設定檔已被使用！</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>設定檔(*.prof)</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>載入設定檔</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>儲存設定檔</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>此檔案與目前的滑鼠不相符！</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>組態檔(*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>載入組態檔</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>儲存組態檔</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>確定要重設此設定檔嗎？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>確定要重設所有設定檔嗎？</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左鍵</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右鍵</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中鍵</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前進</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>後退</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>系統功能</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>進階</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒體</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>設定檔選單</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>連發鍵</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙擊鍵</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>停用按鍵</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>尋找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>列印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切換視窗</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>執行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>顯示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>鎖定電腦</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>瀏覽器首頁</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>瀏覽器上一頁</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>瀏覽器下一頁</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>瀏覽器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>瀏覽器重新整理</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>瀏覽器搜尋</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>瀏覽器我的最愛</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>郵件</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一首</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一首</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量調高</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量調低</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>靜音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒體播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切換</translation>
    </message>
    <message>
        <source>DPI +</source>
        <translation>DPI +</translation>
    </message>
    <message>
        <source>DPI -</source>
        <translation>DPI -</translation>
    </message>
    <message>
        <source>Rate +</source>
        <translation>回報率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回報率 -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滾輪向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滾輪向下</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>燈效開關</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>設定檔 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>設定檔 -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>設定檔切換</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>巨集管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>槍械檔管理</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>選擇巨集</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>選擇槍械檔</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左鍵不能設定為槍械功能。</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>滑鼠左鍵</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>滑鼠右鍵</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>滑鼠中鍵</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>單鍵</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>組合鍵</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>連發鍵設定</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>鍵盤按鍵</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation>狙擊鍵設定</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次數：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>間隔：</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>槍械設定</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>槍械設定</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>槍械檔名稱</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延遲(毫秒)</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子彈</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>請輸入檔案名稱。</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循環次數(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按鍵時重複執行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重複執行直到再次按下按鍵</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重複執行直到再次按下按鍵</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左鍵單擊</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右鍵單擊</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中鍵單擊</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前進鍵</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>後退鍵</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>記錄動作間延遲</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入預設延遲</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>巨集數量已達上限，無法新增！</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>巨集已存在！</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延遲(毫秒)</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>彈起</translation>
    </message>
    <message>
        <source>MOVE LEFT</source>
        <translation>左移</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>右移</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>DISTANCE</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批次</translation>
    </message>
    <message>
        <source>START</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止錄製</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置頂</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延遲</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>匯入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>匯出</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>滑鼠動作</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>在後面錄製</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有按鍵尚未放開。</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>放開</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>巨集檔(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>載入巨集檔</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>儲存巨集檔</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 連動</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>回報率</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <translation>指標速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滾輪速度</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>恆亮</translation>
    </message>
    <message>
        <source>BREATHING</source>
        <translation>呼吸</translation>
    </message>
    <message>
        <source>7 COLOR BREATHING</source>
        <translation>七彩呼吸</translation>
    </message>
    <message>
        <source>RAINBOW</source>
        <translation>彩虹</translation>
    </message>
    <message>
        <source>FLASH</source>
        <translation>閃爍</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪無痕</translation>
    </message>
    <message>
        <source>Raindrop</source>
        <translation>雨滴</translation>
    </message>
    <message>
        <source>WAVE</source>
        <translation>波浪</translation>
    </message>
    <message>
        <source>GO WITHOUT TRACE</source>
        <translation>踏雪無痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>按鍵觸發</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>溜溜球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>彈珠</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>效果</translation>
    </message>
    <message>
        <source>BRIGHTNESS</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>SPEED</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>顏色編輯</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>套用</translation>
    </message>
    <message>
        <source>Stage on or off</source>
        <translation type="vanished">開啟或關閉此段位</translation>
    </message>
    <message>
        <source>EXPORT PROFILE</source>
        <translation type="vanished">匯出設定檔</translation>
    </message>
    <message>
        <source>IMPORT PROFILE</source>
        <translation type="vanished">匯入設定檔</translation>
    </message>
    <message>
        <source>Not available in this version.</source>
        <translation type="vanished">此版本尚不支援此功能。</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>This name cannot be used for a profile.</source>
        <translation>此名稱不能用作設定檔名稱。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>無法寫入設定檔。</translation>
    </message>
    <message>
        <source>This is not a regular file, so it was not opened.</source>
        <translation>這不是一般檔案，因此未開啟。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>無法讀取此檔案。</translation>
    </message>
    <message>
        <source>The profile file is damaged.</source>
        <translation>設定檔已損毀。</translation>
    </message>
    <message>
        <source>The configuration file is damaged.</source>
        <translation>組態檔已損毀。</translation>
    </message>
    <message>
        <source>The configuration file names one profile for two slots.</source>
        <translation>此組態檔讓兩個槽位使用同一個設定檔。</translation>
    </message>
    <message>
        <source>This macro is used by %1. Delete it anyway?</source>
        <translation>此巨集正被 %1 使用。仍要刪除嗎？</translation>
    </message>
    <message>
        <source>Macro not found: %1</source>
        <translation>找不到巨集：%1</translation>
    </message>
    <message>
        <source>Asleep</source>
        <translation>休眠中</translation>
    </message>
    <message>
        <source>Export the profile to a file</source>
        <translation>匯出設定檔</translation>
    </message>
    <message>
        <source>Import a profile from a file</source>
        <translation>匯入設定檔</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>槽位</translation>
    </message>
    <message>
        <source>Saved to mouse</source>
        <translation>已儲存到滑鼠</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>選擇巨集</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>查詢範圍：</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>檔案名稱：</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>檔案類型：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Fire %1 ×%2 / %3 ms</source>
        <translation>連發 %1 ×%2 / %3 ms</translation>
    </message>
    <message>
        <source>Sniper %1 DPI</source>
        <translation>狙擊 %1 DPI</translation>
    </message>
    <message>
        <source>%1 (while held)</source>
        <translation>%1（按住時重複）</translation>
    </message>
    <message>
        <source>%1 (until pressed again)</source>
        <translation>%1（重複至再次按下）</translation>
    </message>
    <message>
        <source>%1 ×%2</source>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>Please input a valid macro name.</source>
        <translation>請輸入有效的巨集名稱。</translation>
    </message>
    <message>
        <source>The macro file could not be saved.</source>
        <translation>無法儲存巨集檔案。</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>開機時啟動</translation>
    </message>
    <message>
        <source>Show messages as notifications</source>
        <translation>以桌面通知顯示訊息</translation>
    </message>
    <message>
        <source>The desktop&apos;s start-up list could not be changed.</source>
        <translation>無法變更桌面的啟動項目清單。</translation>
    </message>
    <message>
        <source>The receiver is plugged in but cannot be opened.</source>
        <translation>接收器已插入，但無法開啟。</translation>
    </message>
    <message>
        <source>The receiver opens, but the mouse did not answer.</source>
        <translation>接收器可以開啟，但滑鼠沒有回應。</translation>
    </message>
    <message>
        <source>You have no permission to open the receiver.</source>
        <translation>您沒有開啟接收器的權限。</translation>
    </message>
    <message>
        <source>Another program holds the receiver.</source>
        <translation>另一個程式正在佔用接收器。</translation>
    </message>
    <message>
        <source>The receiver went away while it was being opened.</source>
        <translation>開啟接收器時它已被拔出。</translation>
    </message>
    <message>
        <source>The system refused to open the receiver.</source>
        <translation>系統拒絕開啟接收器。</translation>
    </message>
    <message>
        <source>Install the udev rule 70-osken-r5.rules (it comes with the package), then unplug the receiver and plug it in again.</source>
        <translation>請安裝 udev 規則 70-osken-r5.rules（隨套件提供），然後拔出接收器再重新插入。</translation>
    </message>
    <message>
        <source>Close the other program (another mouse tool, a browser page using WebHID), then unplug the receiver and plug it in again.</source>
        <translation>請關閉其他程式（其他滑鼠工具、使用 WebHID 的瀏覽器頁面），然後拔出接收器再重新插入。</translation>
    </message>
    <message>
        <source>Unplug the receiver and plug it in again.</source>
        <translation>請拔出接收器再重新插入。</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>上層資料夾</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>清單檢視</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>詳細資料檢視</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重新命名(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>顯示隱藏檔案(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>新增資料夾(&amp;N)</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新增資料夾</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否取代？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>確定要刪除「%1」嗎？</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>磁碟機</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>類型</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的電腦</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>電腦</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
</context>
</TS>
