<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>当地经度</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>当地时间</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>南极座位置</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>北极星位置（精确） </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>北极星位置 </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>位置已保存</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 米</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>E</source>
        <translation>东</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>海拔（米）</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>使用位置传感器</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>正在等待传感器…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>立即更新</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>位置已更新</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>传感器在 30 秒内未给出位置</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>未找到赤道仪</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>正在运行的程序将在没有控制台的情况下继续。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
