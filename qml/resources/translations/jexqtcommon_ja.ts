<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>JEX::PolarScopeInfo</name>
    <message>
        <source>Local longitude</source>
        <translation>現地の経度</translation>
    </message>
    <message>
        <source>Local time</source>
        <translation>現地時刻</translation>
    </message>
    <message>
        <source>Octans Position</source>
        <translation>はちぶんぎ座の位置</translation>
    </message>
    <message>
        <source>Polaris Position (precise) </source>
        <translation>北極星の位置（精密） </translation>
    </message>
    <message>
        <source>Polaris Position </source>
        <translation>北極星の位置 </translation>
    </message>
</context>
<context>
    <name>Location</name>
    <message>
        <source>Location saved</source>
        <translation>観測地を保存しました</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>観測地</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>緯度</translation>
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
        <translation>経度</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>Altitude (m)</source>
        <translation>標高 (m)</translation>
    </message>
    <message>
        <source>Use location sensor</source>
        <translation>位置センサーを使用</translation>
    </message>
    <message>
        <source>Waiting for the sensor…</source>
        <translation>センサーを待っています…</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>今すぐ更新</translation>
    </message>
</context>
<context>
    <name>LocationUpdater</name>
    <message>
        <source>Location Updated</source>
        <translation>観測地を更新しました</translation>
    </message>
    <message>
        <source>No location from the sensor within 30 seconds</source>
        <translation>30 秒以内にセンサーから位置を取得できませんでした</translation>
    </message>
</context>
<context>
    <name>PopupConnect</name>
    <message>
        <source>No Device Found</source>
        <translation>赤道儀が見つかりません</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>A running program goes on without the console.</source>
        <translation>実行中のプログラムはコンソールなしで続行します。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>UI_ConfirmDialog</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
