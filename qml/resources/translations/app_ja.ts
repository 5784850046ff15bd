<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>HelpPage</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>ブラウザー</translation>
    </message>
    <message>
        <source>Opening page in external app...</source>
        <translation>外部アプリでページを開いています...</translation>
    </message>
    <message>
        <source>The help document could not be read: %1</source>
        <translation>ヘルプ文書を読み込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>JEX::TaskProfileList</name>
    <message>
        <source>Enter a name</source>
        <translation>名前を入力してください</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the page&apos;s own working profile: choose another name</source>
        <translation>「%1」はこのページの作業用プロファイルです。別の名前を選んでください</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>Disconnected</source>
        <translation>切断しました</translation>
    </message>
    <message>
        <source>Connected to %1 at %2</source>
        <translation>%1 に %2 で接続しました</translation>
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
        <translation>未接続</translation>
    </message>
    <message>
        <source>Demo</source>
        <translation>デモ</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Updated power level</source>
        <translation>電源電圧を更新しました</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>接続中…</translation>
    </message>
    <message>
        <source>Click to stop reconnecting</source>
        <translation>クリックすると再接続を中止します</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>天体写真</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>星空タイムラプス</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>通常露出タイムラプス</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>長時間露出タイムラプス</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Read the voltage again</source>
        <translation>電圧を再読み込み</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Astrophotography</source>
        <translation>天体写真</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>星空タイムラプス</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>通常露出タイムラプス</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>長時間露出タイムラプス</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>手動操作</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>極軸時計</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>ログを隠す</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Choose a page from the list.</source>
        <translation>一覧からページを選んでください。</translation>
    </message>
</context>
<context>
    <name>ManualControl</name>
    <message>
        <source>Manual Control</source>
        <translation>手動操作</translation>
    </message>
    <message>
        <source>Hold an arrow to turn the mount</source>
        <translation>矢印を押し続けると赤道儀が回転します</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>未接続</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>ゼロ合わせ</translation>
    </message>
    <message>
        <source>Zero the Angle</source>
        <translation>角度をゼロにする</translation>
    </message>
    <message>
        <source>The angle shown is counted from the axis&apos;s present position from now on.</source>
        <translation>表示する角度は、これから軸の現在位置を基準に数えます。</translation>
    </message>
</context>
<context>
    <name>NavList</name>
    <message>
        <source>Astrophotography</source>
        <translation>天体写真</translation>
    </message>
    <message>
        <source>Tracks the stars for long exposures</source>
        <translation>長時間露光のため星を追尾</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>星空タイムラプス</translation>
    </message>
    <message>
        <source>A time-lapse that follows the sky</source>
        <translation>空を追うタイムラプス</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>通常露出タイムラプス</translation>
    </message>
    <message>
        <source>Turns a step between short exposures</source>
        <translation>短い露光の合間に一歩回転</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>長時間露出タイムラプス</translation>
    </message>
    <message>
        <source>Turns slowly through long exposures</source>
        <translation>長時間露光中にゆっくり回転</translation>
    </message>
    <message>
        <source>Manual Control</source>
        <translation>手動操作</translation>
    </message>
    <message>
        <source>Turn the mount by hand</source>
        <translation>架台を手動で回転</translation>
    </message>
    <message>
        <source>Polar Clock Utility</source>
        <translation>極軸時計</translation>
    </message>
    <message>
        <source>Where Polaris sits in the polar scope</source>
        <translation>極軸望遠鏡内の北極星の位置</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Language, night, connection, mount</source>
        <translation>言語、夜間、接続、架台</translation>
    </message>
    <message>
        <source>Show Log</source>
        <translation>ログを表示</translation>
    </message>
    <message>
        <source>Hide Log</source>
        <translation>ログを隠す</translation>
    </message>
    <message>
        <source>The console&apos;s journal under the page</source>
        <translation>ページの下にコンソールの記録</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>実行中</translation>
    </message>
</context>
<context>
    <name>Outcomes</name>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>ParamRows_AP</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>露出 (秒)</translation>
    </message>
    <message>
        <source>Interval (sec)</source>
        <translation>間隔 (秒)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>枚数</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>追尾速度</translation>
    </message>
    <message>
        <source>Dithering (arcmin)</source>
        <translation>ディザリング (分角)</translation>
    </message>
    <message>
        <source>Total Time</source>
        <translation>撮影時間</translation>
    </message>
    <message>
        <source>Finish Time</source>
        <translation>終了時刻</translation>
    </message>
</context>
<context>
    <name>ParamRows_ATL</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>露出 (秒)</translation>
    </message>
    <message>
        <source>Tracking Rate</source>
        <translation>追尾速度</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>撮影時間 (時間)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>動画の長さ (秒)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>枚数</translation>
    </message>
</context>
<context>
    <name>ParamRows_RegLong</name>
    <message>
        <source>Exposure (sec)</source>
        <translation>露出 (秒)</translation>
    </message>
    <message>
        <source>Total Time (hours)</source>
        <translation>撮影時間 (時間)</translation>
    </message>
    <message>
        <source>Frame Period (sec)</source>
        <translation>撮影間隔 (秒)</translation>
    </message>
    <message>
        <source>Video Length (sec)</source>
        <translation>動画の長さ (秒)</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>枚数</translation>
    </message>
    <message>
        <source>Swing Range (deg)</source>
        <translation>スイング範囲 (度)</translation>
    </message>
    <message>
        <source>Swings</source>
        <translation>スイング回数</translation>
    </message>
    <message>
        <source>Speed (deg/hour)</source>
        <translation>速度 (度/時)</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>時計回り</translation>
    </message>
</context>
<context>
    <name>Param_AstroRateX</name>
    <message>
        <source>Solar</source>
        <translation>太陽時</translation>
    </message>
    <message>
        <source>Lunar</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Sidereal</source>
        <translation>恒星時</translation>
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
        <translation>手動</translation>
    </message>
    <message>
        <source>Astrophotography</source>
        <translation>天体写真</translation>
    </message>
    <message>
        <source>Regular-Exposure Time-lapse</source>
        <translation>通常露出タイムラプス</translation>
    </message>
    <message>
        <source>Long-Exposure Time-lapse</source>
        <translation>長時間露出タイムラプス</translation>
    </message>
    <message>
        <source>Astro Time-lapse</source>
        <translation>星空タイムラプス</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
    <message>
        <source>Not connected: connect to a mount to run the program</source>
        <translation>未接続: プログラムを実行するには架台に接続してください</translation>
    </message>
    <message>
        <source>Tick enough values for the frame period and the speed to follow from them</source>
        <translation>撮影間隔と速度が決まるだけの値にチェックを入れてください</translation>
    </message>
    <message>
        <source>Exposure is 0 s: meant as tracking only?</source>
        <translation>露出 0 秒: 追尾のみのつもりですか?</translation>
    </message>
    <message>
        <source>Stop the Program</source>
        <translation>プログラムを停止</translation>
    </message>
    <message>
        <source>The mount stops tracking and taking photos. A stopped program cannot be resumed where it was.</source>
        <translation>架台は追尾と撮影を止めます。停止したプログラムは途中から再開できません。</translation>
    </message>
</context>
<context>
    <name>Param_FrameRate</name>
    <message>
        <source>Frame Rate</source>
        <translation>フレームレート</translation>
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
        <translation>終了なし</translation>
    </message>
    <message>
        <source>Ends %1</source>
        <translation>終了 %1</translation>
    </message>
    <message>
        <source>%1 · dawn %2</source>
        <translation>%1 · 薄明開始 %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical night; nautical dawn %2</source>
        <translation>%1 · 天文薄明の夜なし、航海薄明開始 %2</translation>
    </message>
    <message>
        <source>%1 · no astronomical or nautical night</source>
        <translation>%1 · 天文・航海薄明の夜なし</translation>
    </message>
    <message>
        <source>%1 · set the location to compare with dawn</source>
        <translation>%1 · 薄明と比べるには場所を設定</translation>
    </message>
    <message>
        <source>The run ends after dawn</source>
        <translation>撮影は薄明開始後に終わります</translation>
    </message>
    <message>
        <source>At %1 from the start: %2°</source>
        <translation>開始から %1: %2°</translation>
    </message>
    <message>
        <source>Axis angle against time, photos along the bottom, reversals as rings; within a cycle the motion is a model</source>
        <translation>時間に対する軸の角度、下端に撮影、折り返しは円。周期内の動きはモデルです</translation>
    </message>
    <message>
        <source>%1 · before dusk %2</source>
        <translation>%1 · 薄明終了 %2 より前</translation>
    </message>
    <message>
        <source>It begins before dusk (%1)</source>
        <translation>薄明終了前に始まります (%1)</translation>
    </message>
</context>
<context>
    <name>Param_ProfileNameDialog</name>
    <message>
        <source>Profile Name</source>
        <translation>プロファイル名</translation>
    </message>
    <message>
        <source>Overwrites existing profile</source>
        <translation>既存のプロファイルを上書きします</translation>
    </message>
</context>
<context>
    <name>Param_ProfilePane</name>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>No saved profiles</source>
        <translation>保存されたプロファイルはありません</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>プロファイルを削除</translation>
    </message>
    <message>
        <source>Delete the profile “%1”?</source>
        <translation>プロファイル「%1」を削除しますか?</translation>
    </message>
</context>
<context>
    <name>Param_WiFiOffOnRun</name>
    <message>
        <source>WiFi Off on Run</source>
        <translation>実行時にWi-Fiオフ</translation>
    </message>
</context>
<context>
    <name>PhotoNumberReminderDialog</name>
    <message>
        <source>Number of Photos</source>
        <translation>撮影枚数</translation>
    </message>
    <message>
        <source>The number of photos to take specified here is also in effect when mount is started using the hardware Mode Dial. When the specified number of photos have been taken, the mount will stop tracking.</source>
        <translation>ここで指定した撮影枚数は、本体のモードダイヤルで赤道儀を起動した場合にも適用されます。指定した枚数を撮影すると、赤道儀は追尾を停止します。</translation>
    </message>
    <message>
        <source>Remind me next time</source>
        <translation>次回も表示する</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>実行</translation>
    </message>
</context>
<context>
    <name>PolarScope</name>
    <message>
        <source>Polar Clock Utility</source>
        <translation>極軸時計</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>観測地</translation>
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
        <translation>精密な位置</translation>
    </message>
    <message>
        <source>Light On</source>
        <translation>ライト点灯</translation>
    </message>
    <message>
        <source>Light Off</source>
        <translation>ライト消灯</translation>
    </message>
    <message>
        <source>Not connected: the light cannot be switched</source>
        <translation>未接続: ライトを操作できません</translation>
    </message>
    <message>
        <source>This mount has no polar-scope light</source>
        <translation>この架台には極軸望遠鏡ライトがありません</translation>
    </message>
    <message>
        <source>No location set: the clock is drawn for 0° N 0° E. Set yours with Location.</source>
        <translation>観測地が未設定です: 時計は北緯0° 東経0° で描かれています。観測地で設定してください。</translation>
    </message>
    <message>
        <source>Focal length (mm)</source>
        <translation>焦点距離 (mm)</translation>
    </message>
    <message>
        <source>Pixel size (µm)</source>
        <translation>画素サイズ (µm)</translation>
    </message>
    <message>
        <source>Longest exposure (s)</source>
        <translation>最長露光 (秒)</translation>
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
        <translation>極軸が %1′ 以内ならドリフトは半画素未満</translation>
    </message>
    <message>
        <source>Give focal length, pixel size and exposure</source>
        <translation>焦点距離、画素サイズ、露光を入力してください</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>シリアルポート</translation>
    </message>
    <message>
        <source>Demo mount</source>
        <translation>デモ赤道儀</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Night Mode</source>
        <translation>ナイトモード</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>接続方法</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>観測地</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>赤道儀</translation>
    </message>
    <message>
        <source>Mount (not connected)</source>
        <translation>赤道儀（未接続）</translation>
    </message>
    <message>
        <source>Finder LED Auto-Off</source>
        <translation>ファインダーLED自動オフ</translation>
    </message>
    <message>
        <source>WiFi Auto-Off</source>
        <translation>Wi-Fi自動オフ</translation>
    </message>
    <message>
        <source>Auto Shut Down</source>
        <translation>自動電源オフ</translation>
    </message>
    <message>
        <source>Auto-Run Task</source>
        <translation>プログラム自動実行</translation>
    </message>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fiネットワーク</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Started with --demo: this run connects to the demo mount only.</source>
        <translation>--demo で起動: この実行ではデモ架台にのみ接続します。</translation>
    </message>
    <message>
        <source>Connect at Launch</source>
        <translation>起動時に接続</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
</context>
<context>
    <name>TaskProgressDialog</name>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Photos taken (estimated)</source>
        <translation>撮影済み枚数 (推定)</translation>
    </message>
    <message>
        <source>Photos taken</source>
        <translation>撮影済み枚数</translation>
    </message>
    <message>
        <source>Task done</source>
        <translation>プログラム完了</translation>
    </message>
    <message>
        <source>Read %1 seconds ago</source>
        <translation>%1 秒前に読み取り</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Unlimited Photos</source>
        <translation>枚数無制限</translation>
    </message>
    <message>
        <source>Time left: %1</source>
        <translation>残り時間: %1</translation>
    </message>
    <message>
        <source>Not connected: the mount&apos;s state is unknown</source>
        <translation>未接続: 架台の状態は不明です</translation>
    </message>
    <message>
        <source>Corrected to the mount&apos;s own count</source>
        <translation>架台自身のカウントに合わせて補正しました</translation>
    </message>
</context>
<context>
    <name>WifiSettingsPage</name>
    <message>
        <source>WiFi Network</source>
        <translation>Wi-Fiネットワーク</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Access Point Mode</source>
        <translation>アクセスポイントモード</translation>
    </message>
    <message>
        <source>SSID</source>
        <translation>SSID</translation>
    </message>
    <message>
        <source>Security</source>
        <translation>セキュリティ</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>オープン</translation>
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
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Station Mode</source>
        <translation>ステーションモード</translation>
    </message>
    <message>
        <source>Both SSID and Password are case-sensitive</source>
        <translation>SSIDとパスワードは大文字と小文字が区別されます</translation>
    </message>
    <message>
        <source>Use DHCP</source>
        <translation>DHCPを使用</translation>
    </message>
    <message>
        <source>Fixed IP</source>
        <translation>固定IP</translation>
    </message>
    <message>
        <source>Apply Wi-Fi Settings</source>
        <translation>Wi-Fi 設定を適用</translation>
    </message>
    <message>
        <source>The mount restarts its Wi-Fi and the console lets the link go. Join “%1”, then connect again.</source>
        <translation>架台は Wi-Fi を再起動し、コンソールは接続を切ります。「%1」に参加してから再接続してください。</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>変更を破棄</translation>
    </message>
    <message>
        <source>The Wi-Fi settings you changed are not applied.</source>
        <translation>変更した Wi-Fi 設定は適用されません。</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Reading the mount&apos;s settings…</source>
        <translation>架台の設定を読み込み中…</translation>
    </message>
    <message>
        <source>Could not read the mount&apos;s settings: %1</source>
        <translation>架台の設定を読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>The mount runs its access point and a station at once. Apply keeps both unless you choose one.</source>
        <translation>架台はアクセスポイントとステーションを同時に動かしています。どちらかを選ばなければ、適用しても両方のままです。</translation>
    </message>
    <message>
        <source>Not valid text on the mount: shown as well as it can be and kept unchanged</source>
        <translation>架台上の文字列が不正です: できる範囲で表示し、変更せずに保持します</translation>
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
        <translation>拒否されました</translation>
    </message>
    <message>
        <source>Communication error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>不明なエラー</translation>
    </message>
</context>
<context>
    <name>tavo_profile</name>
    <message>
        <source>Invalid Speed</source>
        <translation>無効な速度</translation>
    </message>
    <message>
        <source>Frame period must be at least %1 seconds longer than exposure</source>
        <translation>撮影間隔は露出時間より %1 秒以上長くしてください</translation>
    </message>
    <message>
        <source>Speed too fast for frame period and exposure</source>
        <translation>撮影間隔と露出時間に対して速度が速すぎます</translation>
    </message>
</context>
</TS>
