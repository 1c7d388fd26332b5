<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
