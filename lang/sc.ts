<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
        <translation>未检测到鼠标！</translation>
    </message>
    <message>
        <source>&amp;Load Config</source>
        <translation>载入设置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Mouse is sleeping or not connected.</source>
        <translation>鼠标处于休眠状态或未连接。</translation>
    </message>
    <message>
        <source>Send data failed, please try again.</source>
        <translation>发送数据失败，请重试。</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
    </message>
    <message>
        <source>Mouse Sleep</source>
        <translation>鼠标休眠</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <source>LOAD1</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯效</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>按键设置</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
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
        <translation>至少需要保留一个左键功能。</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一个配置文件。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置文件不能删除或重命名。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置文件吗？</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置文件已存在！</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>该配置文件已被使用！</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置文件(*.prof)</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>载入配置文件</translation>
    </message>
    <message>
        <source>Save Profile File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>设置文件(*.conf)</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>载入设置文件</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存设置文件</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置文件吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置文件吗？</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左键</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右键</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中键</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>系统功能</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>多媒体</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>配置文件菜单</translation>
    </message>
    <message>
        <source>SINGLE KEY</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>COMBO KEY</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>FIRE KEY</source>
        <translation>连发键</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Button Off</source>
        <translation>禁用按键</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Switch Window</source>
        <translation>切换窗口</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>显示桌面</translation>
    </message>
    <message>
        <source>Lock PC</source>
        <translation>锁定电脑</translation>
    </message>
    <message>
        <source>Browser Home</source>
        <translation>浏览器主页</translation>
    </message>
    <message>
        <source>Browser Backward</source>
        <translation>浏览器后退</translation>
    </message>
    <message>
        <source>Browser Forward</source>
        <translation>浏览器前进</translation>
    </message>
    <message>
        <source>Browser Stop</source>
        <translation>浏览器停止</translation>
    </message>
    <message>
        <source>Browser Refresh</source>
        <translation>浏览器刷新</translation>
    </message>
    <message>
        <source>Browser Search</source>
        <translation>浏览器搜索</translation>
    </message>
    <message>
        <source>Browser Favorite</source>
        <translation>浏览器收藏夹</translation>
    </message>
    <message>
        <source>Mail</source>
        <translation>邮件</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>播放/暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous Track</source>
        <translation>上一曲</translation>
    </message>
    <message>
        <source>Next Track</source>
        <translation>下一曲</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>音量增大</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减小</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>DPI Switch</source>
        <translation>DPI 切换</translation>
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
        <translation>回报率 +</translation>
    </message>
    <message>
        <source>Rate -</source>
        <translation>回报率 -</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>滚轮向上</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>滚轮向下</translation>
    </message>
    <message>
        <source>Led Switch</source>
        <translation>灯效开关</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>配置文件 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>配置文件 -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>配置文件切换</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>枪械文件管理</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>GUNFILE SELECT</source>
        <translation>选择枪械文件</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左键不能设置为枪械功能。</translation>
    </message>
    <message>
        <source>Left Button</source>
        <translation>鼠标左键</translation>
    </message>
    <message>
        <source>Right Button</source>
        <translation>鼠标右键</translation>
    </message>
    <message>
        <source>Middle Button</source>
        <translation>鼠标中键</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
    </message>
    <message>
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <source>Sniper Setting</source>
        <translation>狙击键设置</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>次数：</translation>
    </message>
    <message>
        <source>Delay:</source>
        <translation>间隔：</translation>
    </message>
    <message>
        <source>Gun Set</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>枪械设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>枪械文件名称</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延迟(毫秒)</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住按键时重复执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重复执行直到再次按下按键</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复执行直到再次按下按键</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>FORWARD</source>
        <translation>前进键</translation>
    </message>
    <message>
        <source>BACKWARD</source>
        <translation>后退键</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>记录动作间延迟</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延迟</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量已达上限，无法新建！</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>KEY</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>动作</translation>
    </message>
    <message>
        <source>DELAY(ms)</source>
        <translation>延迟(毫秒)</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>弹起</translation>
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
        <translation>距离</translation>
    </message>
    <message>
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止录制</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>EDIT</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>TOP</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>BOTTOM</source>
        <translation>置底</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延迟</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
    </message>
    <message>
        <source>CUT</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>PASTE</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>RECORD AFTER</source>
        <translation>在后面录制</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有按键尚未松开。</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>松开</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>载入宏文件</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 联动</translation>
    </message>
    <message>
        <source>REPORT RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>POINTER SPEED</source>
        <translation>指针速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>FULL LIGHTED</source>
        <translation>常亮</translation>
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
        <translation>闪烁</translation>
    </message>
    <message>
        <source>Horizontal WAVE</source>
        <translation>水平波浪</translation>
    </message>
    <message>
        <source>Horizontal GO WITHOUT TRACE</source>
        <translation>水平踏雪无痕</translation>
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
        <translation>踏雪无痕</translation>
    </message>
    <message>
        <source>REACTIVE</source>
        <translation>按键触发</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>溜溜球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>弹珠</translation>
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
        <translation>颜色</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Stage on or off</source>
        <translation type="vanished">开启或关闭此档位</translation>
    </message>
    <message>
        <source>EXPORT PROFILE</source>
        <translation type="vanished">导出配置文件</translation>
    </message>
    <message>
        <source>IMPORT PROFILE</source>
        <translation type="vanished">导入配置文件</translation>
    </message>
    <message>
        <source>Not available in this version.</source>
        <translation type="vanished">此版本暂不支持该功能。</translation>
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
        <translation>此名称不能用作配置文件名。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>无法写入配置文件。</translation>
    </message>
    <message>
        <source>This is not a regular file, so it was not opened.</source>
        <translation>这不是普通文件，因此未打开。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The profile file is damaged.</source>
        <translation>配置文件已损坏。</translation>
    </message>
    <message>
        <source>The configuration file is damaged.</source>
        <translation>设置文件已损坏。</translation>
    </message>
    <message>
        <source>The configuration file names one profile for two slots.</source>
        <translation>该设置文件让两个槽位使用同一个配置文件。</translation>
    </message>
    <message>
        <source>This macro is used by %1. Delete it anyway?</source>
        <translation>此宏正被 %1 使用。仍要删除吗？</translation>
    </message>
    <message>
        <source>Macro not found: %1</source>
        <translation>找不到宏：%1</translation>
    </message>
    <message>
        <source>Asleep</source>
        <translation>休眠中</translation>
    </message>
    <message>
        <source>Export the profile to a file</source>
        <translation>导出配置文件</translation>
    </message>
    <message>
        <source>Import a profile from a file</source>
        <translation>导入配置文件</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>槽位</translation>
    </message>
    <message>
        <source>Saved to mouse</source>
        <translation>已保存到鼠标</translation>
    </message>
    <message>
        <source>Choose a macro</source>
        <translation>选择宏</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>查找范围：</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>文件类型：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Fire %1 ×%2 / %3 ms</source>
        <translation>连发 %1 ×%2 / %3 ms</translation>
    </message>
    <message>
        <source>Sniper %1 DPI</source>
        <translation>狙击 %1 DPI</translation>
    </message>
    <message>
        <source>%1 (while held)</source>
        <translation>%1（按住时重复）</translation>
    </message>
    <message>
        <source>%1 (until pressed again)</source>
        <translation>%1（重复至再次按下）</translation>
    </message>
    <message>
        <source>%1 ×%2</source>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>Please input a valid macro name.</source>
        <translation>请输入有效的宏名称。</translation>
    </message>
    <message>
        <source>The macro file could not be saved.</source>
        <translation>无法保存宏文件。</translation>
    </message>
    <message>
        <source>Start with the desktop</source>
        <translation>开机时启动</translation>
    </message>
    <message>
        <source>Show messages as notifications</source>
        <translation>以桌面通知显示消息</translation>
    </message>
    <message>
        <source>The desktop&apos;s start-up list could not be changed.</source>
        <translation>无法更改桌面的启动项列表。</translation>
    </message>
    <message>
        <source>The receiver is plugged in but cannot be opened.</source>
        <translation>接收器已插入，但无法打开。</translation>
    </message>
    <message>
        <source>The receiver opens, but the mouse did not answer.</source>
        <translation>接收器可以打开，但鼠标没有应答。</translation>
    </message>
    <message>
        <source>You have no permission to open the receiver.</source>
        <translation>您没有打开接收器的权限。</translation>
    </message>
    <message>
        <source>Another program holds the receiver.</source>
        <translation>另一个程序正在占用接收器。</translation>
    </message>
    <message>
        <source>The receiver went away while it was being opened.</source>
        <translation>打开接收器时它已被拔出。</translation>
    </message>
    <message>
        <source>The system refused to open the receiver.</source>
        <translation>系统拒绝打开接收器。</translation>
    </message>
    <message>
        <source>Install the udev rule 70-osken-r5.rules (it comes with the package), then unplug the receiver and plug it in again.</source>
        <translation>请安装 udev 规则 70-osken-r5.rules（随软件包提供），然后拔出接收器再重新插入。</translation>
    </message>
    <message>
        <source>Close the other program (another mouse tool, a browser page using WebHID), then unplug the receiver and plug it in again.</source>
        <translation>请关闭其他程序（其他鼠标工具、使用 WebHID 的浏览器页面），然后拔出接收器再重新插入。</translation>
    </message>
    <message>
        <source>Unplug the receiver and plug it in again.</source>
        <translation>请拔出接收器再重新插入。</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>上级文件夹</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>列表视图</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>详细视图</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>显示隐藏文件(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>新建文件夹(&amp;N)</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>确定要删除“%1”吗？</translation>
    </message>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>File Folder</source>
        <comment>Match Windows Explorer</comment>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>All other platforms</comment>
        <translation>类型</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>我的电脑</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>计算机</translation>
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
