<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>数値を入力してください</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>負の値にはできません</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>小数点には「%1」を使い、桁区切りは入れないでください</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>数値ではありません</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>あいまいです: 点は桁区切りの可能性があります。小数は「%1」で書いてください</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>整数のみ</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>%1 以上</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>%1 以下</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>未使用: ほかのチェックした値で決まります</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>未使用: プログラムは %1 を使います</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1時間%2分</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1分%2秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1分</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1秒</translation>
    </message>
</context>
<context>
    <name>cardinal_direction</name>
    <message>
        <source>N</source>
        <translation>北</translation>
    </message>
    <message>
        <source>NE</source>
        <translation>北東</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>南東</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>南西</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>北西</translation>
    </message>
</context>
<context>
    <name>latitude_longitude</name>
    <message>
        <source>N</source>
        <translation>北緯</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南緯</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西経</translation>
    </message>
    <message>
        <source>E</source>
        <translation>東経</translation>
    </message>
    <message>
        <source>%1°%2′%3</source>
        <translation>%3%1°%2′</translation>
    </message>
    <message>
        <source>%1°%2′%3″%4</source>
        <translation>%4%1°%2′%3″</translation>
    </message>
</context>
</TS>
