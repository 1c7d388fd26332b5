<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ApplyFlow</name>
    <message>
        <source>The mouse holds 20 macros. These were not sent: %1</source>
        <translation>鼠标最多保存 20 个宏。以下宏未发送：%1</translation>
    </message>
    <message>
        <source>Settings applied.</source>
        <translation>设置已应用。</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>无法保存设置：%1</translation>
    </message>
</context>
<context>
    <name>MacroDialog</name>
    <message>
        <source>Delete the macro &quot;%1&quot;? Buttons that use it become &quot;Button Off&quot; in every profile.</source>
        <translation>删除宏“%1”？使用它的按键在所有配置文件中都将变为“禁用按键”。</translation>
    </message>
    <message>
        <source>These stored profiles could not be updated: %1</source>
        <translation>以下已保存的配置文件无法更新：%1</translation>
    </message>
    <message>
        <source>START</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>NEW</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>CHANGE NAME</source>
        <translation>重命名</translation>
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
        <source>MOVE UP</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>CLEAR</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>INSERT DELAY</source>
        <translation>插入延时</translation>
    </message>
    <message>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
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
        <source>BATCH</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>MOUSE ACTION</source>
        <translation>鼠标动作</translation>
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
        <source>REPEAT RUN UNTIL THE KEY DOWN</source>
        <translation>重复执行直到再次按下按键</translation>
    </message>
    <message>
        <source>Macro File(*.MSMACRO)</source>
        <translation>宏文件(*.MSMACRO)</translation>
    </message>
    <message>
        <source>STOP</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>MACRO NAME</source>
        <translation>宏名称</translation>
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
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <source>RECORD DELAYS BETWEEN ACTION</source>
        <translation>录制动作之间的延时</translation>
    </message>
    <message>
        <source>INSERT DEFAULT DELAY</source>
        <translation>插入默认延时</translation>
    </message>
    <message>
        <source>Macro name</source>
        <translation>宏名称</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Load Macro File</source>
        <translation>载入宏文件</translation>
    </message>
    <message>
        <source>Not imported (a macro of that name exists, or the name or file cannot be used): %1</source>
        <translation>未导入（已存在同名宏，或名称、文件不可用）：%1</translation>
    </message>
    <message>
        <source>Not imported: %1</source>
        <translation>未导入：%1</translation>
    </message>
    <message>
        <source>Macro Exist!</source>
        <translation>宏已存在！</translation>
    </message>
    <message>
        <source>Save Macro File</source>
        <translation>保存宏文件</translation>
    </message>
    <message>
        <source>ONE OR MORE KEYS HAS NOT BEEN RELEASED.</source>
        <translation>有一个或多个按键尚未松开。</translation>
    </message>
    <message>
        <source>Select a step to edit.</source>
        <translation>请选择要编辑的步骤。</translation>
    </message>
    <message>
        <source>Press the key this step should use.</source>
        <translation>请按下此步骤要使用的按键。</translation>
    </message>
    <message>
        <source>Choose the mouse button of this step.</source>
        <translation>请选择此步骤的鼠标按键。</translation>
    </message>
    <message>
        <source>Choose the direction and the distance (1-120).</source>
        <translation>请选择方向和距离（1-120）。</translation>
    </message>
    <message>
        <source>Enter the delay (10-65535 ms).</source>
        <translation>请输入延时（10-65535 毫秒）。</translation>
    </message>
    <message>
        <source>A macro name has at most %1 characters.</source>
        <translation>宏名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>LEFT CLICK</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>MIDDLE CLICK</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>RIGHT CLICK</source>
        <translation>右键单击</translation>
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
        <source>Press</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>松开</translation>
    </message>
    <message>
        <source>MOVE</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>MOUSE COMMAND</source>
        <translation>鼠标命令</translation>
    </message>
    <message>
        <source>PRESS DOWN</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>BOUNCE UP</source>
        <translation>弹起</translation>
    </message>
</context>
<context>
    <name>MacroLibrary</name>
    <message>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量已达上限，无法再创建！</translation>
    </message>
</context>
<context>
    <name>MacroMove</name>
    <message>
        <source>MOVE LEFT</source>
        <translation>向左移动</translation>
    </message>
    <message>
        <source>MOVE RIGHT</source>
        <translation>向右移动</translation>
    </message>
    <message>
        <source>MOVE UP</source>
        <translation>向上移动</translation>
    </message>
    <message>
        <source>MOVE DOWN</source>
        <translation>向下移动</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <source>&amp;Load Config</source>
        <translation>加载配置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>添加</translation>
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
        <source>Reset All</source>
        <translation>全部重置</translation>
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
        <source>LOAD1</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <source>CUSTOMIZE</source>
        <translation>自定义</translation>
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
        <source>Firmware Update</source>
        <translation>固件升级</translation>
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
        <source>MOUSE OFF</source>
        <translation>鼠标关闭</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Dongle Disconnect!</source>
        <translation>接收器已断开！</translation>
    </message>
    <message>
        <source>Mouse battery low: %1%</source>
        <translation>鼠标电量低：%1%</translation>
    </message>
    <message>
        <source>Mouse battery almost empty: %1%. Charge it now.</source>
        <translation>鼠标电量即将耗尽：%1%。请立即充电。</translation>
    </message>
    <message>
        <source>No model description found: buttons and DPI stages are unknown.</source>
        <translation>未找到型号描述文件：按键和 DPI 档位未知。</translation>
    </message>
    <message>
        <source>charging</source>
        <translation>充电中</translation>
    </message>
    <message>
        <source>To update the firmware, please connect to the computer with a cable.</source>
        <translation>要更新固件，请用数据线将鼠标连接到电脑。</translation>
    </message>
    <message>
        <source>Do you want to upgrade the firmware?</source>
        <translation>确定要升级固件吗？</translation>
    </message>
    <message>
        <source>The firmware updater could not be started.</source>
        <translation>无法启动固件升级程序。</translation>
    </message>
    <message>
        <source>AT LEAST ONE CLICK FUNCTION TO BE RETAINED.</source>
        <translation>至少需要保留一个点击功能。</translation>
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
        <source>Start with the desktop</source>
        <translation>随桌面启动</translation>
    </message>
    <message>
        <source>Another program changed the stored profiles. Take its changes and drop the ones not applied here?</source>
        <translation>另一个程序修改了已保存的配置文件。要采用其修改并放弃此处尚未应用的修改吗？</translation>
    </message>
    <message>
        <source>No system tray: closing the window quits.</source>
        <translation>没有系统托盘：关闭窗口即退出程序。</translation>
    </message>
    <message>
        <source>Automatic switching…</source>
        <translation>自动切换…</translation>
    </message>
</context>
<context>
    <name>ProfileManager</name>
    <message>
        <source>Save Profile File</source>
        <translation>保存配置文件</translation>
    </message>
    <message>
        <source>Load Profile File</source>
        <translation>加载配置文件</translation>
    </message>
    <message>
        <source>Profile File(*.prof)</source>
        <translation>配置文件(*.prof)</translation>
    </message>
    <message>
        <source>Save Config File</source>
        <translation>保存全部配置</translation>
    </message>
    <message>
        <source>Load Config File</source>
        <translation>加载全部配置</translation>
    </message>
    <message>
        <source>Config File(*.conf)</source>
        <translation>全部配置文件(*.conf)</translation>
    </message>
    <message>
        <source>AT LEAST ONE PROFILE TO BE RETAINED.</source>
        <translation>至少需要保留一个配置。</translation>
    </message>
    <message>
        <source>The default Profile cannot be deleted or renamed.</source>
        <translation>默认配置不能删除或重命名。</translation>
    </message>
    <message>
        <source>Profile is Already Used!</source>
        <translation>该配置已被使用！</translation>
    </message>
    <message>
        <source>The profile list is full (%1 profiles). Delete a profile first.</source>
        <translation>配置列表已满（%1 个配置）。请先删除一个配置。</translation>
    </message>
    <message>
        <source>No other profile is free to take this slot: every other profile is used by another slot.</source>
        <translation>没有可替换此档位的配置：其他配置都已被其他档位使用。</translation>
    </message>
    <message>
        <source>Are you sure you want delete this profile?</source>
        <translation>确定要删除此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset this profile?</source>
        <translation>确定要重置此配置吗？</translation>
    </message>
    <message>
        <source>Are you sure you want reset all profiles?</source>
        <translation>确定要重置所有配置吗？</translation>
    </message>
</context>
<context>
    <name>StorageResult</name>
    <message>
        <source>This name cannot be used: it must not be empty, contain &quot;/&quot; or &quot;\&quot;, be &quot;.&quot; or &quot;..&quot;, or be too long.</source>
        <translation>无法使用此名称：名称不能为空，不能包含“/”或“\”，不能是“.”或“..”，也不能过长。</translation>
    </message>
    <message>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <source>Profile Exist!</source>
        <translation>配置文件已存在！</translation>
    </message>
    <message>
        <source>The file could not be read or written.</source>
        <translation>无法读取或写入该文件。</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>not a file of this program</source>
        <translation>不是本程序的文件</translation>
    </message>
    <message>
        <source>cannot be written</source>
        <translation>无法写入</translation>
    </message>
    <message>
        <source>another program is saving here; try again in a moment</source>
        <translation>另一个程序正在此处保存；请稍后再试</translation>
    </message>
    <message>
        <source>not a configuration file of %1</source>
        <translation>不是 %1 的配置文件</translation>
    </message>
    <message>
        <source>not a configuration file</source>
        <translation>不是配置文件</translation>
    </message>
    <message>
        <source>not a profile file of %1</source>
        <translation>不是 %1 的配置档文件</translation>
    </message>
    <message>
        <source>not a profile file</source>
        <translation>不是配置档文件</translation>
    </message>
    <message>
        <source>not a macro file</source>
        <translation>不是宏文件</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file name, %2 what is wrong with it</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>holds a value the mouse cannot take</source>
        <translation>包含鼠标无法接受的值</translation>
    </message>
    <message>
        <source>is not a colour</source>
        <translation>不是颜色</translation>
    </message>
    <message>
        <source>is not a number this key can hold</source>
        <translation>不是此项可接受的数字</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>是一个文件夹</translation>
    </message>
    <message>
        <source>is not a profile slot (0 to 4)</source>
        <translation>不是配置槽位（0 到 4）</translation>
    </message>
</context>
<context>
    <name>TarnBtnWindow</name>
    <message>
        <source>This mouse has no side buttons of its own to set here: the mouse takes the buttons of the Front view only.</source>
        <translation>此鼠标在这里没有可单独设置的侧键：鼠标只采用正面视图中的按键。</translation>
    </message>
    <message>
        <source>key %1</source>
        <translation>按键 %1</translation>
    </message>
    <message>
        <source>Combo key without keys</source>
        <translation>未设置按键的组合键</translation>
    </message>
    <message>
        <source>left click</source>
        <translation>左键单击</translation>
    </message>
    <message>
        <source>right click</source>
        <translation>右键单击</translation>
    </message>
    <message>
        <source>middle click</source>
        <translation>中键单击</translation>
    </message>
    <message>
        <source>Fire %1, %2 times, %3 ms apart</source>
        <translation>连发 %1，%2 次，间隔 %3 毫秒</translation>
    </message>
    <message>
        <source>Gun set &quot;%1&quot;</source>
        <translation>压枪宏“%1”</translation>
    </message>
    <message>
        <source>Macro &quot;%1&quot;</source>
        <translation>宏“%1”</translation>
    </message>
    <message>
        <source>repeated while held</source>
        <translation>按住时重复</translation>
    </message>
    <message>
        <source>repeated until pressed again</source>
        <translation>重复直到再次按下</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1 次</translation>
    </message>
    <message>
        <source>Sniper %1 DPI</source>
        <translation>狙击 %1 DPI</translation>
    </message>
    <message>
        <source>Sniper step %1</source>
        <translation>狙击档位 %1</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Left Button Can not be Gun Function.</source>
        <translation>左键不能设置为压枪功能。</translation>
    </message>
    <message>
        <source>The macro &quot;%1&quot; has %2 steps; the button takes its first %3.</source>
        <translation>宏“%1”共有 %2 步，按键只保留前 %3 步。</translation>
    </message>
    <message>
        <source>Basic</source>
        <translation>基本功能</translation>
    </message>
    <message>
        <source>Windows</source>
        <translation>窗口</translation>
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
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Polling Rate</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Profile Menu</source>
        <translation>配置菜单</translation>
    </message>
    <message>
        <source>Function %1</source>
        <translation>功能 %1</translation>
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
        <source>Boss Key</source>
        <translation>老板键</translation>
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
        <translation>音量加</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>音量减</translation>
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
        <translation>向上滚动</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>向下滚动</translation>
    </message>
    <message>
        <source>LED SWITCH</source>
        <translation>灯光切换</translation>
    </message>
    <message>
        <source>SNIPER</source>
        <translation>狙击键</translation>
    </message>
    <message>
        <source>Profile +</source>
        <translation>配置 +</translation>
    </message>
    <message>
        <source>Profile -</source>
        <translation>配置 -</translation>
    </message>
    <message>
        <source>Profile Switch</source>
        <translation>配置切换</translation>
    </message>
    <message>
        <source>Macro Manager</source>
        <translation>宏管理</translation>
    </message>
    <message>
        <source>GunFile Manager</source>
        <translation>压枪文件管理</translation>
    </message>
</context>
<context>
    <name>TarnColorArea</name>
    <message>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>APPLY</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TarnColorWindow</name>
    <message>
        <source> MINUTE</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>EFFECT</source>
        <translation>灯效</translation>
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
        <source>SLEEP TIME</source>
        <translation>休眠时间</translation>
    </message>
    <message>
        <source>MOVE TO LIGHT OFF</source>
        <translation>移动时关灯</translation>
    </message>
    <message>
        <source>Color Edit</source>
        <translation>颜色编辑</translation>
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
        <translation>触发</translation>
    </message>
    <message>
        <source>yo-yo</source>
        <translation>悠悠球</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>弹珠</translation>
    </message>
</context>
<context>
    <name>TarnComboKeyWindow</name>
    <message>
        <source>Combo Key</source>
        <translation>组合键</translation>
    </message>
    <message>
        <source>Hold the modifiers, then press the key</source>
        <translation>按住修饰键，再按下主键</translation>
    </message>
</context>
<context>
    <name>TarnDPIWindow</name>
    <message>
        <source>DPI STAGES</source>
        <translation>DPI 档位</translation>
    </message>
</context>
<context>
    <name>TarnFireKeyWindow</name>
    <message>
        <source>FireKey Setting</source>
        <translation>连发键设置</translation>
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
        <source>Keyboard Key</source>
        <translation>键盘按键</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Press the key to repeat</source>
        <translation>请按下要连发的按键</translation>
    </message>
</context>
<context>
    <name>TarnGunsetDialog</name>
    <message>
        <source>GUN SET</source>
        <translation>压枪设置</translation>
    </message>
    <message>
        <source>GUNFILE NAME</source>
        <translation>压枪文件名</translation>
    </message>
    <message>
        <source>BULLETS</source>
        <translation>子弹数</translation>
    </message>
    <message>
        <source>DELAY(MS)</source>
        <translation>延时(毫秒)</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
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
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please input file name.</source>
        <translation>请输入文件名。</translation>
    </message>
</context>
<context>
    <name>TarnKeyDialog</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TarnMacroSelect</name>
    <message>
        <source>LOOPS TIME(1-255)</source>
        <translation>循环次数(1-255)</translation>
    </message>
    <message>
        <source>REPEAT RUN WHEN KEY DOWN</source>
        <translation>按住时重复执行</translation>
    </message>
    <message>
        <source>REPEAT RUN UNTILL THE KEY DOWN</source>
        <translation>重复执行直到再次按下</translation>
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
        <source>GUNFILE SELECT</source>
        <translation>选择压枪文件</translation>
    </message>
    <message>
        <source>MACRO SELECT</source>
        <translation>选择宏</translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
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
</context>
<context>
    <name>TarnPointSpeed</name>
    <message>
        <source>POINTER SPEED</source>
        <translation>指针速度</translation>
    </message>
    <message>
        <source>SCROLL SPEED</source>
        <translation>滚轮速度</translation>
    </message>
</context>
<context>
    <name>TarnPopBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>TarnReportRate</name>
    <message>
        <source>REPORT RATE</source>
        <translation>回报率</translation>
    </message>
    <message>
        <source>Lift off Distance</source>
        <translation>静默高度</translation>
    </message>
    <message>
        <source>1 mm</source>
        <translation>1 毫米</translation>
    </message>
    <message>
        <source>2 mm</source>
        <translation>2 毫米</translation>
    </message>
</context>
<context>
    <name>TarnSingleDPI</name>
    <message>
        <source>Stage %1</source>
        <translation>档位 %1</translation>
    </message>
    <message>
        <source>Link XY</source>
        <translation>XY 同步</translation>
    </message>
    <message>
        <source>Use this stage</source>
        <translation>启用此档位</translation>
    </message>
    <message>
        <source>Active stage</source>
        <translation>当前档位</translation>
    </message>
    <message>
        <source>Double-click to type a DPI value</source>
        <translation>双击以输入 DPI 数值</translation>
    </message>
</context>
<context>
    <name>TarnSingleKeyWindow</name>
    <message>
        <source>Single Key</source>
        <translation>单键</translation>
    </message>
    <message>
        <source>Press the key to assign</source>
        <translation>请按下要设置的按键</translation>
    </message>
</context>
<context>
    <name>TarnSniperWindow</name>
    <message>
        <source>Sniper Setting</source>
        <translation>狙击设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ProfileDomains</name>
    <message>
        <source>is not a report rate (%1)</source>
        <translation>不是回报率（%1）</translation>
    </message>
    <message>
        <source>is not a DPI stage (0 to 7)</source>
        <translation>不是 DPI 档位（0 到 7）</translation>
    </message>
    <message>
        <source>is not 0 or 1</source>
        <translation>不是 0 或 1</translation>
    </message>
    <message>
        <source>is not a resolution step of this sensor (%1 to %2)</source>
        <translation>不是此传感器的分辨率档（%1 到 %2）</translation>
    </message>
    <message>
        <source>is not a button function</source>
        <translation>不是按键功能</translation>
    </message>
    <message>
        <source>is not a macro name</source>
        <translation>不是宏名称</translation>
    </message>
    <message>
        <source>is not a loop mode (0, 1, 2)</source>
        <translation>不是循环模式（0、1、2）</translation>
    </message>
    <message>
        <source>is not a key code</source>
        <translation>不是按键代码</translation>
    </message>
    <message>
        <source>is not a lighting effect (0 to %1)</source>
        <translation>不是灯效（0 到 %1）</translation>
    </message>
</context>
<context>
    <name>DeviceDoctor</name>
    <message>
        <source>receiver 248A:FA02</source>
        <translation>接收器 248A:FA02</translation>
    </message>
    <message>
        <source>cable 248A:FB01</source>
        <translation>数据线 248A:FB01</translation>
    </message>
    <message>
        <source>device 248A:%1</source>
        <translation>设备 248A:%1</translation>
    </message>
    <message>
        <source>Everything is in order: the mouse can be reached.</source>
        <translation>一切正常：可以访问鼠标。</translation>
    </message>
    <message>
        <source>Access is checked for %1, who ran sudo.</source>
        <translation>正在为运行 sudo 的用户 %1 检查访问权限。</translation>
    </message>
    <message>
        <source>This runs as root, which can open every node; run it as yourself to check your own access:</source>
        <translation>当前以 root 身份运行，root 可以打开所有设备节点；请以您自己的身份运行，以检查您自己的访问权限：</translation>
    </message>
    <message>
        <source>The kernel offers no hidraw devices (%1 is missing), so no program can reach the mouse. Load the HID drivers; if the folder is still missing, this kernel was built without hidraw (CONFIG_HIDRAW):</source>
        <translation>内核未提供 hidraw 设备（缺少 %1），因此任何程序都无法访问鼠标。请加载 HID 驱动；如果该文件夹仍然不存在，说明此内核编译时未包含 hidraw（CONFIG_HIDRAW）：</translation>
    </message>
    <message>
        <source>USB interface %1 of the %2 is bound to no HID driver, so the kernel makes no hidraw node for it. Load the driver and bind the interface to it:</source>
        <translation>%2 的 USB 接口 %1 未绑定任何 HID 驱动，因此内核不会为其创建 hidraw 节点。请加载驱动并将该接口绑定到驱动：</translation>
    </message>
    <message>
        <source>USB interface %1 of the %2 is held by the driver &quot;%3&quot; instead of the HID driver (a program using libusb may have taken it). Quit that program, then give the interface back:</source>
        <translation>%2 的 USB 接口 %1 被驱动“%3”占用，而不是 HID 驱动（可能是某个使用 libusb 的程序占用了它）。请退出该程序，然后归还该接口：</translation>
    </message>
    <message>
        <source>No receiver (248A:FA02) or cable (248A:FB01) is connected. Plug one in; once the computer sees it, this lists it:</source>
        <translation>未连接接收器（248A:FA02）或数据线（248A:FB01）。请插入其中之一；电脑识别后，此命令会列出它：</translation>
    </message>
    <message>
        <source>The %1 is on USB, but the kernel made no hidraw node for it. Load the HID drivers, then re-plug it:</source>
        <translation>%1 已连接到 USB，但内核没有为其创建 hidraw 节点。请加载 HID 驱动，然后重新插拔：</translation>
    </message>
    <message>
        <source>Found the %1 at %2, top-level collections: %3.</source>
        <translation>在 %2 找到 %1，顶层集合：%3。</translation>
    </message>
    <message>
        <source>Found the %1 at %2; its report descriptor could not be read.</source>
        <translation>在 %2 找到 %1；无法读取其报告描述符。</translation>
    </message>
    <message>
        <source>The kernel lists %1, but udev made no device node for it. Ask udev to make it:</source>
        <translation>内核列出了 %1，但 udev 没有为其创建设备节点。请让 udev 创建：</translation>
    </message>
    <message>
        <source>%1 cannot be opened by %2 (owner %3, group %4, mode %5).</source>
        <translation>%2 无法打开 %1（所有者 %3，组 %4，权限 %5）。</translation>
    </message>
    <message>
        <source>%1 may be opened, yet opening it failed: %2. Its state:</source>
        <translation>%1 允许打开，但打开失败：%2。其状态：</translation>
    </message>
    <message>
        <source>%1 can be opened by %2.</source>
        <translation>%2 可以打开 %1。</translation>
    </message>
    <message>
        <source>%1 is open in %2 (process %3), which is mousecfg itself; that is fine.</source>
        <translation>%1 已在 %2（进程 %3）中打开，这是 mousecfg 本身，没有问题。</translation>
    </message>
    <message>
        <source>%1 is open in %2 (process %3). Another program talking to the mouse at the same time takes its answers; quit it, or end it:</source>
        <translation>%1 已在 %2（进程 %3）中打开。同时与鼠标通信的其他程序会拿走鼠标的应答；请退出该程序，或将其结束：</translation>
    </message>
    <message>
        <source>%1 carries the uaccess tag and names %2 in its access list, yet %2 cannot open it. Its permissions:</source>
        <translation>%1 带有 uaccess 标记，其访问列表中也有 %2，但 %2 仍无法打开它。其权限：</translation>
    </message>
    <message>
        <source>The udev rule is in place, but %1 lacks its &quot;uaccess&quot; tag: the node was made before the rule was installed. Have udev apply the rule (or re-plug the receiver):</source>
        <translation>udev 规则已安装，但 %1 缺少“uaccess”标记：该节点是在安装规则之前创建的。请让 udev 应用该规则（或重新插拔接收器）：</translation>
    </message>
    <message>
        <source>%1 carries the &quot;uaccess&quot; tag, but its access list does not name %2: access goes to the user of the active session at the computer&apos;s own screen, not to a remote or inactive one. Log out and in again at the computer; this shows the sessions:</source>
        <translation>%1 带有“uaccess”标记，但其访问列表中没有 %2：访问权限只授予在本机屏幕前处于活动会话的用户，而不是远程或非活动会话。请在本机上注销并重新登录；此命令会显示各个会话：</translation>
    </message>
    <message>
        <source>%1 replaces the udev rule %2 and gives no access. Remove it, then have udev apply the rule:</source>
        <translation>%1 替换了 udev 规则 %2，且不授予访问权限。请删除它，然后让 udev 应用该规则：</translation>
    </message>
    <message>
        <source>The udev rule is at %1, a folder udev does not read. Copy it to %2, then have udev apply it:</source>
        <translation>udev 规则位于 %1，udev 不读取该文件夹。请将其复制到 %2，然后让 udev 应用它：</translation>
    </message>
    <message>
        <source>The udev rule that gives you access (%1) is in none of the folders udev reads. Install it, then have udev apply it:</source>
        <translation>授予您访问权限的 udev 规则（%1）不在 udev 读取的任何文件夹中。请安装它，然后让 udev 应用它：</translation>
    </message>
    <message>
        <source>%1, line %2, runs after the mousecfg rule and can take the access away again: %3. Change or remove that line, then have udev apply the rules:</source>
        <translation>%1 第 %2 行在 mousecfg 规则之后执行，可能再次收回访问权限：%3。请修改或删除该行，然后让 udev 应用规则：</translation>
    </message>
</context>
<context>
    <name>PermissionNotice</name>
    <message>
        <source>The mouse cannot be opened</source>
        <translation>无法打开鼠标</translation>
    </message>
    <message>
        <source>Copy commands</source>
        <translation>复制命令</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The mouse is connected, but opening it failed, and no cause was found. Re-plug the receiver, then check again.</source>
        <translation>鼠标已连接，但打开失败，且未找到原因。请重新插拔接收器，然后重新检查。</translation>
    </message>
    <message>
        <source>The mouse is connected, but this user may not open it, so no setting can be read or sent. Here is why, with the commands that fix it:</source>
        <translation>鼠标已连接，但当前用户无权打开它，因此无法读取或发送任何设置。原因及修复命令如下：</translation>
    </message>
</context>
<context>
    <name>AutoSwitchDialog</name>
    <message>
        <source>Type or pick the application&apos;s name first.</source>
        <translation>请先输入或选择应用程序名称。</translation>
    </message>
    <message>
        <source>An application name has at most %1 characters.</source>
        <translation>应用程序名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>An application name cannot hold a line break or another control character.</source>
        <translation>应用程序名称不能包含换行符或其他控制字符。</translation>
    </message>
    <message>
        <source>On Wayland only KDE Plasma and GNOME tell other programs which window is in front.</source>
        <translation>在 Wayland 下，只有 KDE Plasma 和 GNOME 会告诉其他程序哪个窗口在前台。</translation>
    </message>
    <message>
        <source>There is no X11 display.</source>
        <translation>没有 X11 显示。</translation>
    </message>
    <message>
        <source>The X11 display cannot be opened.</source>
        <translation>无法打开 X11 显示。</translation>
    </message>
    <message>
        <source>This desktop does not tell which application is in front.</source>
        <translation>此桌面不提供前台应用程序的信息。</translation>
    </message>
    <message>
        <source>Automatic switching</source>
        <translation>自动切换</translation>
    </message>
    <message>
        <source>Switch the mouse&apos;s profile by the application in front</source>
        <translation>根据前台应用程序切换鼠标的配置文件</translation>
    </message>
    <message>
        <source>Automatic switching is not available on this desktop: %1</source>
        <translation>此桌面不支持自动切换：%1</translation>
    </message>
    <message>
        <source>Application</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>应用程序名称</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Any other application:</source>
        <translation>其他任何应用程序：</translation>
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
        <source>Leave as is</source>
        <translation>保持不变</translation>
    </message>
    <message>
        <source>Profile %1</source>
        <translation>配置文件 %1</translation>
    </message>
    <message>
        <source>There is no session bus for the desktop to report the window in front on.</source>
        <translation>没有会话总线，桌面无法通过它报告前台窗口。</translation>
    </message>
    <message>
        <source>The KWin script that reports the window in front is not installed.</source>
        <translation>报告前台窗口的 KWin 脚本未安装。</translation>
    </message>
    <message>
        <source>Enable the GNOME Shell extension with &quot;gnome-extensions enable %1&quot;, then log out and in again.</source>
        <translation>请用“gnome-extensions enable %1”启用 GNOME Shell 扩展，然后注销并重新登录。</translation>
    </message>
</context>
</TS>
