<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>JEX::WifiForm</name>
    <message>
        <source>Enter the network&apos;s name</source>
        <translation>ネットワーク名を入力してください</translation>
    </message>
    <message>
        <source>At most %1 bytes; this has %2</source>
        <translation>最大 %1 バイト（これは %2 バイト）</translation>
    </message>
    <message>
        <source>At most 63 bytes; this has %1</source>
        <translation>最大 63 バイト（これは %1 バイト）</translation>
    </message>
    <message>
        <source>Empty for an open network, else at least 8 characters</source>
        <translation>オープンネットワークなら空、それ以外は 8 文字以上</translation>
    </message>
    <message>
        <source>At least 8 characters</source>
        <translation>8 文字以上</translation>
    </message>
    <message>
        <source>The mount uses a security this console does not know (%1): choose one</source>
        <translation>架台はこのコンソールが知らないセキュリティ (%1) を使っています: 選択してください</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 joined by dots, such as 192.168.1.50</source>
        <translation>0〜255 の 4 つの数をドットでつないだもの（例: 192.168.1.50）</translation>
    </message>
</context>
<context>
    <name>LogPane</name>
    <message>
        <source>Log</source>
        <translation>ログ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
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
    <message>
        <source>%1 must be from 0 to %2%3 for the mount to hold it.</source>
        <translation>架台が保持できるよう、%1 は 0 から %2%3 の範囲にしてください。</translation>
    </message>
    <message>
        <source>%1 must be between -%2° and %2° for the mount to hold it.</source>
        <translation>架台が保持できるよう、%1 は -%2° から %2° の範囲にしてください。</translation>
    </message>
    <message>
        <source>Frame period</source>
        <translation>撮影周期</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>露出</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>Angle per frame</source>
        <translation>1 枚あたりの角度</translation>
    </message>
    <message>
        <source>Dithering range</source>
        <translation>ディザリング範囲</translation>
    </message>
    <message>
        <source>Swing range</source>
        <translation>スイング範囲</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>枚数</translation>
    </message>
    <message>
        <source>%1 must be 0 or from %2 to %3 °/h for the mount to hold it.</source>
        <translation>架台が保持できるよう、%1 は 0 または %2 から %3 °/h の範囲にしてください。</translation>
    </message>
    <message>
        <source>No mount yet. Switch the tracker on, join its Wi-Fi and press Not Connected below to search for it. For a serial cable or the demo mount, choose the connection in Settings first.</source>
        <translation>まだ架台がありません。トラッカーの電源を入れ、その Wi-Fi に接続してから、下の「未接続」を押して探してください。シリアルケーブルまたはデモ架台の場合は、先に設定で接続方法を選んでください。</translation>
    </message>
    <message>
        <source>No reply</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>Poor link</source>
        <translation>接続不良</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>No link</source>
        <translation>接続なし</translation>
    </message>
    <message>
        <source>Last %1 exchanges: %2 without a reply, %3 of %4 requests lost; %5 ms on average, %6 ms at worst.</source>
        <translation>直近 %1 回の通信: 応答なし %2 回、要求 %4 件中 %3 件が失われました。平均 %5 ms、最大 %6 ms。</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1時間%2分</translation>
    </message>
    <message>
        <source>link closed</source>
        <translation>リンクを閉じました</translation>
    </message>
    <message>
        <source>Reconnecting… last heard %1 ago</source>
        <translation>再接続中… 最後の応答は%1前</translation>
    </message>
    <message>
        <source>no reply</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>Connection lost (%1); reconnecting</source>
        <translation>接続が切れました（%1）。再接続しています</translation>
    </message>
    <message>
        <source>Another mount answered; not reconnected</source>
        <translation>別の架台が応答しました。再接続していません</translation>
    </message>
    <message>
        <source>Another mount answers where the last one was. Connect to it from the connection dialog if it is the one you want.</source>
        <translation>前の架台の場所で別の架台が応答しています。目的の架台であれば接続ダイアログから接続してください。</translation>
    </message>
    <message>
        <source>Reconnected after %1</source>
        <translation>%1後に再接続しました</translation>
    </message>
    <message>
        <source>Program still running: %1 of %2 photos</source>
        <translation>プログラムは実行中です：%2枚中%1枚</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 of %2 photos</source>
        <translation>切断中にプログラムが終了しました：%2枚中%1枚</translation>
    </message>
    <message>
        <source>Program finished while disconnected: %1 photos</source>
        <translation>切断中にプログラムが終了しました：%1枚</translation>
    </message>
    <message>
        <source>Reconnecting cancelled</source>
        <translation>再接続を中止しました</translation>
    </message>
    <message>
        <source>The program was not started; the mount keeps its previous state.</source>
        <translation>プログラムは開始されませんでした。架台は以前の状態のままです。</translation>
    </message>
    <message>
        <source>The program was not started, and the previous one may have been stopped.</source>
        <translation>プログラムは開始されませんでした。前のプログラムは停止された可能性があります。</translation>
    </message>
    <message>
        <source>The start of the program was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether it runs.</source>
        <translation>プログラムの開始を送信しましたが、架台から確認がありませんでした。実行中かどうかは架台の状態を読み取って確認してください。</translation>
    </message>
    <message>
        <source>The program was not stopped; the mount keeps its previous state.</source>
        <translation>プログラムは停止されませんでした。架台は以前の状態のままです。</translation>
    </message>
    <message>
        <source>The stop was sent, but the mount did not confirm it. Read the mount&apos;s status to see whether its program still runs.</source>
        <translation>停止を送信しましたが、架台から確認がありませんでした。プログラムがまだ実行中かどうかは架台の状態を読み取って確認してください。</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were not applied; the mount keeps its current Wi-Fi.</source>
        <translation>Wi-Fi 設定は適用されませんでした。架台は現在の Wi-Fi のままです。</translation>
    </message>
    <message>
        <source>The Wi-Fi settings were written, but the mount did not confirm that it applied them. If its Wi-Fi restarts under the new name, it did.</source>
        <translation>Wi-Fi 設定は書き込まれましたが、架台は適用を確認しませんでした。新しい名前で Wi-Fi が再起動すれば、適用されています。</translation>
    </message>
</context>
</TS>
