<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>请输入网络名称</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>最多 %1 字节；此处为 %2</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>最多 63 字节；此处为 %1</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>开放网络留空，否则至少 8 个字符</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>至少 8 个字符</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>赤道仪使用了本控制台未知的安全方式（%1）：请选择一种</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>用点连接的四个 0 到 255 的数字，例如 192.168.1.50</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>日志</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>否定应答</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信错误</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>操作已取消</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>意外的应答</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>无法打开串口</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>正在搜索</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>搜索完成</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>无法连接</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>正在断开连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>断开连接</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>%1 必须在 0 到 %2%3 之间，赤道仪才能保存。</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>%1 必须在 -%2° 到 %2° 之间，赤道仪才能保存。</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>帧周期</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>曝光</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>间隔</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>每帧角度</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>抖动范围</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>摆动范围</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>张数</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>%1 必须为 0 或在 %2 到 %3 °/h 之间，赤道仪才能保存。</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>尚无赤道仪。请打开跟踪器，连接到它的 Wi-Fi，然后按下方的“未连接”进行搜索。若使用串口线或演示赤道仪，请先在设置中选择连接方式。</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>连接不佳</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 毫秒</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>无连接</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>最近 %1 次通信：%2 次无响应，%4 个请求中丢失 %3 个；平均 %5 毫秒，最长 %6 毫秒。</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1分钟</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1小时%2分钟</translation>
    </message>
    <message>
        <source>link closed</source>
        <translation>链路已关闭</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>正在重新连接… 最后应答于%1前</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>无应答</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>连接中断（%1）；正在重新连接</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>另一台赤道仪应答；未重新连接</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>上一台赤道仪的位置上有另一台在应答。如果这正是您要的，请在连接对话框中连接它。</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>%1后已重新连接</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>程序仍在运行：已拍 %1 / %2 张</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>断开期间程序已结束：已拍 %1 / %2 张</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>断开期间程序已结束：已拍 %1 张</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>已取消重新连接</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>程序未启动；赤道仪保持之前的状态。</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>程序未启动，之前的程序可能已被停止。</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>已发送程序启动命令，但赤道仪未确认。请读取赤道仪状态以查看程序是否在运行。</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>程序未停止；赤道仪保持之前的状态。</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>已发送停止命令，但赤道仪未确认。请读取赤道仪状态以查看其程序是否仍在运行。</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Wi-Fi 设置未应用；赤道仪保持当前的 Wi-Fi。</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Wi-Fi 设置已写入，但赤道仪未确认已应用。如果其 Wi-Fi 以新名称重新启动，则已应用。</translation>
    </message>
</context>
</TS>
