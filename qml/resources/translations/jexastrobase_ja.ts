<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>mount</name>
    <message>
        <source>Successful</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>Negative response</source>
        <translation>否定応答</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Operation canceled</source>
        <translation>操作はキャンセルされました</translation>
    </message>
    <message>
        <source>Unexpected response</source>
        <translation>予期しない応答</translation>
    </message>
    <message>
        <source>Cannot open serial port</source>
        <translation>シリアルポートを開けません</translation>
    </message>
    <message>
        <source>Searching</source>
        <translation>検索中</translation>
    </message>
    <message>
        <source>Search finished</source>
        <translation>検索完了</translation>
    </message>
    <message>
        <source>Connecting</source>
        <translation>接続中</translation>
    </message>
    <message>
        <source>Cannot Connect</source>
        <translation>接続できません</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>接続済み</translation>
    </message>
    <message>
        <source>Disconnecting</source>
        <translation>切断中</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>切断</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>接続</translation>
    </message>
</context>
</TS>
