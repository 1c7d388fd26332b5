<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MacroDialog</name>
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
</TS>
