<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>JEX::NumberEntry</name>
    <message>
        <source>Enter a number</source>
        <translation>请输入数字</translation>
    </message>
    <message>
        <source>Cannot be negative</source>
        <translation>不能为负数</translation>
    </message>
    <message>
        <source>Use &quot;%1&quot; for decimals, without thousands separators</source>
        <translation>小数请用“%1”，不要千位分隔符</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>不是数字</translation>
    </message>
    <message>
        <source>Ambiguous: the point may separate thousands; write the decimals with &quot;%1&quot;</source>
        <translation>有歧义：点可能是千位分隔符；小数请用“%1”</translation>
    </message>
    <message>
        <source>Whole numbers only</source>
        <translation>仅限整数</translation>
    </message>
    <message>
        <source>At least %1</source>
        <translation>至少 %1</translation>
    </message>
    <message>
        <source>At most %1</source>
        <translation>至多 %1</translation>
    </message>
    <message>
        <source>Not used: the other ticked values determine it</source>
        <translation>未使用：由其他已勾选的值决定</translation>
    </message>
    <message>
        <source>Not used: the program uses %1</source>
        <translation>未使用：程序使用 %1</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1小时%2分</translation>
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
        <translation>东北</translation>
    </message>
    <message>
        <source>E</source>
        <translation>东</translation>
    </message>
    <message>
        <source>SE</source>
        <translation>东南</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南</translation>
    </message>
    <message>
        <source>SW</source>
        <translation>西南</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西</translation>
    </message>
    <message>
        <source>NW</source>
        <translation>西北</translation>
    </message>
</context>
<context>
    <name>latitude_longitude</name>
    <message>
        <source>N</source>
        <translation>北纬</translation>
    </message>
    <message>
        <source>S</source>
        <translation>南纬</translation>
    </message>
    <message>
        <source>W</source>
        <translation>西经</translation>
    </message>
    <message>
        <source>E</source>
        <translation>东经</translation>
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
