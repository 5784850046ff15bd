<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainFooter</name>
    <message>
        <source>%1V</source>
        <translation>%1V</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>演示</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>电量已更新</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>天文摄影</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>星空延时摄影</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>常规曝光延时摄影</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>长曝光延时摄影</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>手动控制</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>极轴时钟</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>手动控制</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>按住箭头以转动赤道仪</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>归零</translation>
    </message>
</context>
<context>
    <name>Param_Common</name>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>天文摄影</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>常规曝光延时摄影</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>长曝光延时摄影</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>星空延时摄影</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>极轴时钟</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Northern Hemisphere</source>
        <translation>北半球</translation>
    </message>
    <message>
        <source>Southern Hemisphere</source>
        <translation>南半球</translation>
    </message>
    <message>
        <source>Precise position</source>
        <translation>精确位置</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>开灯</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>关灯</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Serial port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>演示赤道仪</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>从不</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>夜间模式</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>连接方式</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>赤道仪</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>赤道仪（未连接）</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>寻星镜LED自动关闭</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Wi-Fi自动关闭</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>自动关机</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>自动运行程序</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi网络</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>正在外部应用中打开页面...</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fi网络</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>接入点模式</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>安全性</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>开放</translation>
    </message>
    <message>
        <source>WPA PSK</source>
        <translation>WPA PSK</translation>
    </message>
    <message>
        <source>WPA2 PSK</source>
        <translation>WPA2 PSK</translation>
    </message>
    <message>
        <source>WPA/WPA2 PSK</source>
        <translation>WPA/WPA2 PSK</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>客户端模式</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSID和密码均区分大小写</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>使用DHCP</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>固定IP</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Velmora Console</source>
        <translation>Velmora 控制台</translation>
    </message>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Rejected</source>
        <translation>被拒绝</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信错误</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>速度无效</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>拍摄间隔必须比曝光时间至少长 %1 秒</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>速度对于拍摄间隔和曝光时间过快</translation>
    </message>
</context>
</TS>
