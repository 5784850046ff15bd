<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>浏览器</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>正在外部应用中打开页面...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>无法读取帮助文档：%1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>请输入名称</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>“%1”是本页的工作配置：请另选名称</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>已断开连接</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>已通过 %2 连接到 %1</translation>
    </message>
</context>
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
    <message>
        <source>Connecting…</source>
        <translation>正在连接…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>点击停止重新连接</translation>
    </message>
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
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>重新读取电压</translation>
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
    <message>
        <source>Hide Log</source>
        <translation>隐藏日志</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>显示日志</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>从列表中选择一个页面。</translation>
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
    <message>
        <source>Zero the Angle</source>
        <translation>角度归零</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>从现在起，显示的角度从轴的当前位置开始计算。</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>天文摄影</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>跟踪星空以进行长曝光</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>星空延时摄影</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>跟随星空的延时摄影</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>常规曝光延时摄影</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>在短曝光之间转动一步</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>长曝光延时摄影</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>在长曝光期间缓慢转动</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>手动控制</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>手动转动赤道仪</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>极轴时钟</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>北极星在极轴镜中的位置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>语言、夜间、连接、赤道仪</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>显示日志</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>隐藏日志</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>页面下方的控制台日志</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>曝光 (秒)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>间隔 (秒)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>张数</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>跟踪速度</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>抖动 (角分)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>总时长</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>结束时间</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>曝光 (秒)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>跟踪速度</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>总时长 (小时)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>视频时长 (秒)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>张数</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>曝光 (秒)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>总时长 (小时)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>拍摄间隔 (秒)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>视频时长 (秒)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>张数</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>摆动范围 (度)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>摆动次数</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>速度 (度/时)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>顺时针</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>太阳速</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>月亮速</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>恒星速</translation>
    </message>
    <message>
        <source>%1x %2</source>
        <translation>%2×%1</translation>
    </message>
    <message>
        <source>Deg/Sec</source>
        <translation>度/秒</translation>
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
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>未连接：请连接赤道仪以运行程序</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>请勾选足够的值，以便推算出拍摄间隔和速度</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>曝光 0 秒：只需跟踪吗？</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>停止程序</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>赤道仪将停止跟踪和拍摄。已停止的程序无法从原处继续。</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>帧率</translation>
    </message>
    <message>
        <source>30 (NTSC)</source>
        <translation>30 (NTSC)</translation>
    </message>
    <message>
        <source>25 (PAL)</source>
        <translation>25 (PAL)</translation>
    </message>
</context>
<context>
    <name>Param_Preview</name>
    <message>
        <source>No end</source>
        <translation>无结束</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>结束 %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · 黎明 %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · 无天文夜；航海黎明 %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · 无天文夜或航海夜</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · 设置位置以与黎明比较</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>拍摄在黎明之后结束</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>开始后 %1：%2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>轴角度随时间变化，底部为拍摄，折返为圆圈；周期内的运动为模型</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · 黄昏 %2 之前</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>在黄昏前开始 (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>配置名称</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>将覆盖现有配置</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>没有已保存的配置</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>删除配置</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>删除配置“%1”？</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>运行时关闭Wi-Fi</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>拍摄张数</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>此处设置的拍摄张数在使用赤道仪上的模式旋钮启动时同样有效。拍满指定张数后，赤道仪将停止跟踪。</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>下次提醒我</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>运行</translation>
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
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>未连接：无法开关灯</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>此赤道仪没有极轴镜照明</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>尚未设置位置：时钟按 0° N 0° E 绘制。请在“位置”中设置。</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>焦距 (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>像素尺寸 (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>最长曝光 (秒)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>µm</source>
        <translation>µm</translation>
    </message>
    <message>
        <source>s</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Polar axis within %1′ keeps the drift under half a pixel</source>
        <translation>极轴误差在 %1′ 以内可使漂移小于半个像素</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>请输入焦距、像素尺寸和曝光</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>以 --demo 启动：本次运行只连接演示赤道仪。</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>启动时连接</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>已拍张数 (估计)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>已拍张数</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>程序已完成</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>%1 秒前读取</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>无限张数</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>剩余时间：%1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>未连接：赤道仪状态未知</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>已按赤道仪自身计数校正</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
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
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>应用 Wi-Fi 设置</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>赤道仪将重启 Wi-Fi，控制台将断开连接。请加入“%1”，然后重新连接。</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>放弃更改</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>更改的 Wi-Fi 设置不会被应用。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>正在读取赤道仪设置…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>无法读取赤道仪设置：%1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>赤道仪同时运行接入点和站点模式。除非您选择其一，应用后两者都保留。</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>赤道仪上的文本无效：尽量显示并保持不变</translation>
    </message>
</context>
<context>
    <name>mount</name>
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
