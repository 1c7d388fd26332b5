<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MacroLibrary</name>
    <message>
        <location filename="../storage/macro_file.cpp" line="+17"/>
        <source>WARNING</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>TOO MANY MACROS TO BE CREATE!</source>
        <translation>宏数量已达上限，无法再创建！</translation>
    </message>
</context>
<context>
    <name>MousecfgWidget</name>
    <message>
        <location filename="../app/mousecfg_widget.cpp" line="+387"/>
        <location line="+276"/>
        <source>&amp;Load Config</source>
        <translation>加载配置(&amp;L)</translation>
    </message>
    <message>
        <location line="-275"/>
        <location line="+276"/>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <location line="-26"/>
        <source>Profile</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Press Enter To Apply</source>
        <translation>按回车键应用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NAME</source>
        <translation>名称</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>RESET</source>
        <translation>重置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ADD</source>
        <translation>添加</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DELETE</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>COPY</source>
        <translation>复制</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reset All</source>
        <translation>全部重置</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LOAD1</source>
        <translation>加载</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LIGHTING</source>
        <translation>灯光</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CUSTOMIZE</source>
        <translation>自定义</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MACRO</source>
        <translation>宏</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware Update</source>
        <translation>固件升级</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Front</source>
        <translation>正面</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side</source>
        <translation>侧面</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+318"/>
        <source>MOUSE OFF</source>
        <translation>鼠标关闭</translation>
    </message>
    <message>
        <location line="-138"/>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Dongle Disconnect!</source>
        <translation>接收器已断开！</translation>
    </message>
</context>
<context>
    <name>StorageResult</name>
    <message>
        <location filename="../storage/storage_result.cpp" line="+16"/>
        <source>This name cannot be used: it must not be empty, contain &quot;/&quot; or &quot;\&quot;, be &quot;.&quot; or &quot;..&quot;, or be too long.</source>
        <translation>无法使用此名称：名称不能为空，不能包含“/”或“\”，不能是“.”或“..”，也不能过长。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file is not match current mouse!</source>
        <translation>该文件与当前鼠标不匹配！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Profile Exist!</source>
        <translation>配置文件已存在！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file could not be read or written.</source>
        <translation>无法读取或写入该文件。</translation>
    </message>
</context>
<context>
    <name>TarnMessageBox</name>
    <message>
        <location filename="../widgets/tarn_message_box.cpp" line="+69"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TarnPopBox</name>
    <message>
        <location filename="../widgets/tarn_pop_box.cpp" line="+45"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
</TS>
