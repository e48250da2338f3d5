<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>关于 Terrovane(&amp;A)...</source>
        <translation>&amp;About Terrovane...</translation>
    </message>
    <message>
        <source>关于 Terrovane</source>
        <translation>About Terrovane</translation>
    </message>
    <message>
        <source>接地电阻测试仪v1.0 </source>
        <translation>Earth/Ground Resistance Tester v1.0</translation>
    </message>
    <message>
        <source>本软件主要包括如下功能：</source>
        <translation>This program offers the following functions:</translation>
    </message>
    <message>
        <source>1.读取:将测试仪中的数据读入PC并以图形方式显示; </source>
        <translation>1. Read: reads the tester&apos;s results into the PC and shows them;</translation>
    </message>
    <message>
        <source>2.保存:将测试仪中的数据保存至Excel表;</source>
        <translation>2. Save: saves the tester&apos;s results as an Excel workbook;</translation>
    </message>
    <message>
        <source>3.打印:将测试仪中的数据以表格方式打印;</source>
        <translation>3. Print: prints the tester&apos;s results as a table;</translation>
    </message>
    <message>
        <source>4.显示:连续按该按钮可以实现循环显示一组数据;</source>
        <translation>4. Show: each press steps through the values of one result;</translation>
    </message>
    <message>
        <source>5.设置:对测试仪中的时间日期进行设置;</source>
        <translation>5. Set (Mount): sets the tester&apos;s date and time;</translation>
    </message>
    <message>
        <source>6.删除:对测试仪中的一组或所有数据进行删除;</source>
        <translation>6. Erase: erases one or all results in the tester;</translation>
    </message>
    <message>
        <source>7.退出:终止本程序.</source>
        <translation>7. Exit: ends this program.</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>AnalysisNotes</name>
    <message>
        <source>slot %1</source>
        <translation>slot %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <translation>result %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 is over range, no measured value; left out</source>
        <translation>%1: %2 %3 is over range, no measured value; left out</translation>
    </message>
    <message>
        <source>%1: no valid %2; left out</source>
        <translation>%1: no valid %2; left out</translation>
    </message>
    <message>
        <source>%1: doubtful (%2); left out</source>
        <translation>%1: doubtful (%2); left out</translation>
    </message>
    <message>
        <source>%1: no measuring distance; left out</source>
        <translation>%1: no measuring distance; left out</translation>
    </message>
    <message>
        <source>%1: distance shown as &gt;99; the stored %2 m is used</source>
        <translation>%1: distance shown as &gt;99; the stored %2 m is used</translation>
    </message>
    <message>
        <source>%1 results at %2 m: their geometric mean is used</source>
        <translation>%1 results at %2 m: their geometric mean is used</translation>
    </message>
    <message>
        <source>the starting model could not be computed</source>
        <translation>the starting model could not be computed</translation>
    </message>
    <message>
        <source>the solver stopped after %1 iterations without converging</source>
        <translation>the solver stopped after %1 iterations without converging</translation>
    </message>
    <message>
        <source>the solver stopped without converging: %1</source>
        <translation>the solver stopped without converging: %1</translation>
    </message>
    <message>
        <source>slot %1 of %2</source>
        <translation>slot %1 of %2</translation>
    </message>
</context>
<context>
    <name>ArchiveProblems</name>
    <message>
        <source>a site needs a name</source>
        <translation>a site needs a name</translation>
    </message>
    <message>
        <source>a position needs both latitude and longitude</source>
        <translation>a position needs both latitude and longitude</translation>
    </message>
    <message>
        <source>latitude runs from -90 to 90 and longitude from -180 to 180</source>
        <translation>latitude runs from -90 to 90 and longitude from -180 to 180</translation>
    </message>
    <message>
        <source>a limit is a resistance above 0 ohm</source>
        <translation>a limit is a resistance above 0 ohm</translation>
    </message>
    <message>
        <source>a test interval runs from 1 to 600 months</source>
        <translation>a test interval runs from 1 to 600 months</translation>
    </message>
    <message>
        <source>there is already a site named &quot;%1&quot;</source>
        <translation>there is already a site named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>there is no site &quot;%1&quot;</source>
        <translation>there is no site &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a test point needs a name</source>
        <translation>a test point needs a name</translation>
    </message>
    <message>
        <source>the site already has a test point named &quot;%1&quot;</source>
        <translation>the site already has a test point named &quot;%1&quot;</translation>
    </message>
    <message>
        <source>that site already has a test point of the same name</source>
        <translation>that site already has a test point of the same name</translation>
    </message>
    <message>
        <source>there is no test point &quot;%1&quot; at site &quot;%2&quot;</source>
        <translation>there is no test point &quot;%1&quot; at site &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the site has %1 test points from the chosen one on, fewer than the %2 results</source>
        <translation>the site has %1 test points from the chosen one on, fewer than the %2 results</translation>
    </message>
    <message>
        <source>a limit is a preset name (see &quot;terrovane-cli limits&quot;) or a resistance in ohms above 0, not &quot;%1&quot;</source>
        <translation>a limit is a preset name (see &quot;terrovane-cli limits&quot;) or a resistance in ohms above 0, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>a limit&apos;s source after the comma may not be empty</source>
        <translation>a limit&apos;s source after the comma may not be empty</translation>
    </message>
    <message>
        <source>there is no site %1</source>
        <translation>there is no site %1</translation>
    </message>
    <message>
        <source>there is no test point %1</source>
        <translation>there is no test point %1</translation>
    </message>
    <message>
        <source>there is no result %1</source>
        <translation>there is no result %1</translation>
    </message>
    <message>
        <source>there is no read-out %1</source>
        <translation>there is no read-out %1</translation>
    </message>
    <message>
        <source>there is no soil model %1</source>
        <translation>there is no soil model %1</translation>
    </message>
    <message>
        <source>there is no fall-of-potential curve %1</source>
        <translation>there is no fall-of-potential curve %1</translation>
    </message>
    <message>
        <source>there is no grid assessment %1</source>
        <translation>there is no grid assessment %1</translation>
    </message>
    <message>
        <source>there is no typed result %1</source>
        <translation>there is no typed result %1</translation>
    </message>
    <message>
        <source>a value is typed NAME=VALUE with its unit, as Re=12.5 or Re=&gt;300k, not &quot;%1&quot;</source>
        <translation>a value is typed NAME=VALUE with its unit, as Re=12.5 or Re=&gt;300k, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no value name (Re, Rs, Rh, Rk, Rac, R, rho, I)</source>
        <translation>&quot;%1&quot; is no value name (Re, Rs, Rh, Rk, Rac, R, rho, I)</translation>
    </message>
    <message>
        <source>the value of %1 is no number: &quot;%2&quot;</source>
        <translation>the value of %1 is no number: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>the value of %1 may not be negative</source>
        <translation>the value of %1 may not be negative</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no unit of %2, which takes %3</source>
        <translation>&quot;%1&quot; is no unit of %2, which takes %3</translation>
    </message>
    <message>
        <source>there is no method &quot;%1&quot;; the methods are %2</source>
        <translation>there is no method &quot;%1&quot;; the methods are %2</translation>
    </message>
    <message>
        <source>a result of the method %1 has no value %2; it takes %3</source>
        <translation>a result of the method %1 has no value %2; it takes %3</translation>
    </message>
    <message>
        <source>a result of the method %1 needs its value %2</source>
        <translation>a result of the method %1 needs its value %2</translation>
    </message>
    <message>
        <source>the value %1 is given twice</source>
        <translation>the value %1 is given twice</translation>
    </message>
    <message>
        <source>the measuring date and time are written YYYY-MM-DD HH:MM and must exist, not &quot;%1&quot;</source>
        <translation>the measuring date and time are written YYYY-MM-DD HH:MM and must exist, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the measuring date %1 lies in the future</source>
        <translation>the measuring date %1 lies in the future</translation>
    </message>
    <message>
        <source>the instrument, who measured, who typed and the note take at most %1 characters each</source>
        <translation>the instrument, who measured, who typed and the note take at most %1 characters each</translation>
    </message>
    <message>
        <source>typed result %1 has been corrected by %2 already; correct the newest version</source>
        <translation>typed result %1 has been corrected by %2 already; correct the newest version</translation>
    </message>
    <message>
        <source>there is no attachment %1</source>
        <translation>there is no attachment %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be attached: only JPEG and PNG photos and PDF documents can</source>
        <translation>&quot;%1&quot; cannot be attached: only JPEG and PNG photos and PDF documents can</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named as a %2 file but is none</source>
        <translation>&quot;%1&quot; is named as a %2 file but is none</translation>
    </message>
    <message>
        <source>the image &quot;%1&quot; cannot be read: %2</source>
        <translation>the image &quot;%1&quot; cannot be read: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB, the most a file attached may be</source>
        <translation>&quot;%1&quot; is larger than %2 MB, the most a file attached may be</translation>
    </message>
    <message>
        <source>a caption takes at most %1 characters</source>
        <translation>a caption takes at most %1 characters</translation>
    </message>
    <message>
        <source>the firm&apos;s name, phone, e-mail and licence take at most %1 characters each, its address %2, all as text</source>
        <translation>the firm&apos;s name, phone, e-mail and licence take at most %1 characters each, its address %2, all as text</translation>
    </message>
    <message>
        <source>a report number&apos;s prefix is 1 to 12 letters (A-Z) and digits, not &quot;%1&quot;</source>
        <translation>a report number&apos;s prefix is 1 to 12 letters (A-Z) and digits, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the logo is larger than %1 kB, the most a logo may be</source>
        <translation>the logo is larger than %1 kB, the most a logo may be</translation>
    </message>
    <message>
        <source>the logo is neither a PNG image nor an SVG drawing</source>
        <translation>the logo is neither a PNG image nor an SVG drawing</translation>
    </message>
    <message>
        <source>the firm has no prefix for its report numbers yet: set one (terrovane-cli firm set --prefix P, or Settings &gt; Firm... in the archive window)</source>
        <translation>the firm has no prefix for its report numbers yet: set one (terrovane-cli firm set --prefix P, or Settings &gt; Firm... in the archive window)</translation>
    </message>
    <message>
        <source>no report numbered &quot;%1&quot; was issued from this archive</source>
        <translation>no report numbered &quot;%1&quot; was issued from this archive</translation>
    </message>
    <message>
        <source>report %1 has no revision %2</source>
        <translation>report %1 has no revision %2</translation>
    </message>
    <message>
        <source>report %1 was issued for the site &quot;%2&quot;, not for &quot;%3&quot;</source>
        <translation>report %1 was issued for the site &quot;%2&quot;, not for &quot;%3&quot;</translation>
    </message>
    <message>
        <source>revision %1 of report %2 was issued meanwhile; issue it again</source>
        <translation>revision %1 of report %2 was issued meanwhile; issue it again</translation>
    </message>
    <message>
        <source>attachment %1 is a document: only photos go into the site report</source>
        <translation>attachment %1 is a document: only photos go into the site report</translation>
    </message>
    <message>
        <source>there is no visit %1</source>
        <translation>there is no visit %1</translation>
    </message>
    <message>
        <source>a visit&apos;s date is written YYYY-MM-DD and must exist, not &quot;%1&quot;</source>
        <translation>a visit&apos;s date is written YYYY-MM-DD and must exist, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>an instrument of a visit needs a name or a serial number</source>
        <translation>an instrument of a visit needs a name or a serial number</translation>
    </message>
    <message>
        <source>a calibration due date is written YYYY-MM-DD and must exist, not &quot;%1&quot;</source>
        <translation>a calibration due date is written YYYY-MM-DD and must exist, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the air temperature runs from -80 to 70 °C</source>
        <translation>the air temperature runs from -80 to 70 °C</translation>
    </message>
    <message>
        <source>a visit&apos;s notes take at most %1 characters, its other texts at most %2 each</source>
        <translation>a visit&apos;s notes take at most %1 characters, its other texts at most %2 each</translation>
    </message>
    <message>
        <source>result %1 is not assigned to a test point of the visit&apos;s site</source>
        <translation>result %1 is not assigned to a test point of the visit&apos;s site</translation>
    </message>
    <message>
        <source>the current probe&apos;s distance is a number of metres above 0</source>
        <translation>the current probe&apos;s distance is a number of metres above 0</translation>
    </message>
    <message>
        <source>a fall-of-potential traverse needs at least two readings</source>
        <translation>a fall-of-potential traverse needs at least two readings</translation>
    </message>
    <message>
        <source>a sounding needs at least two readings</source>
        <translation>a sounding needs at least two readings</translation>
    </message>
    <message>
        <source>a traverse or a sounding takes at most %1 readings</source>
        <translation>a traverse or a sounding takes at most %1 readings</translation>
    </message>
    <message>
        <source>reading %1: the distance and the value are numbers above 0</source>
        <translation>reading %1: the distance and the value are numbers above 0</translation>
    </message>
    <message>
        <source>reading %1: the distance %2 m is given twice</source>
        <translation>reading %1: the distance %2 m is given twice</translation>
    </message>
    <message>
        <source>there is no typed traverse %1</source>
        <translation>there is no typed traverse %1</translation>
    </message>
    <message>
        <source>there is no typed sounding %1</source>
        <translation>there is no typed sounding %1</translation>
    </message>
    <message>
        <source>typed result %1 is not of a test point of the visit&apos;s site</source>
        <translation>typed result %1 is not of a test point of the visit&apos;s site</translation>
    </message>
    <message>
        <source>result %1 has been assigned to a test point since the deletion</source>
        <translation>result %1 has been assigned to a test point since the deletion</translation>
    </message>
    <message>
        <source>typed result %1 has been assigned or corrected since the deletion</source>
        <translation>typed result %1 has been assigned or corrected since the deletion</translation>
    </message>
    <message>
        <source>the file of the attachment &quot;%1&quot; is no longer in the archive</source>
        <translation>the file of the attachment &quot;%1&quot; is no longer in the archive</translation>
    </message>
    <message>
        <source>reading %1: MN/2 is a number of metres above 0 and below its AB/2, %2 m</source>
        <translation>reading %1: MN/2 is a number of metres above 0 and below its AB/2, %2 m</translation>
    </message>
    <message>
        <source>the archive has changed since the deletion in a way that conflicts with it: %1</source>
        <translation>the archive has changed since the deletion in a way that conflicts with it: %1</translation>
    </message>
    <message>
        <source>a soil model has 1 to %1 layers</source>
        <translation>a soil model has 1 to %1 layers</translation>
    </message>
    <message>
        <source>layer %1: a resistivity is a number above 0 with a sigma not below 0</source>
        <translation>layer %1: a resistivity is a number above 0 with a sigma not below 0</translation>
    </message>
    <message>
        <source>layer %1: the last layer has no thickness</source>
        <translation>layer %1: the last layer has no thickness</translation>
    </message>
    <message>
        <source>layer %1: every layer but the last has a thickness</source>
        <translation>layer %1: every layer but the last has a thickness</translation>
    </message>
    <message>
        <source>layer %1: a thickness is a number above 0 with a sigma not below 0</source>
        <translation>layer %1: a thickness is a number above 0 with a sigma not below 0</translation>
    </message>
    <message>
        <source>point %1: a spacing and a resistivity are numbers above 0</source>
        <translation>point %1: a spacing and a resistivity are numbers above 0</translation>
    </message>
    <message>
        <source>the RMS error is a number not below 0</source>
        <translation>the RMS error is a number not below 0</translation>
    </message>
    <message>
        <source>the current-probe distance is a number above 0</source>
        <translation>the current-probe distance is a number above 0</translation>
    </message>
    <message>
        <source>a fall-of-potential curve needs at least two readings</source>
        <translation>a fall-of-potential curve needs at least two readings</translation>
    </message>
    <message>
        <source>reading %1: a distance and a resistance are numbers above 0</source>
        <translation>reading %1: a distance and a resistance are numbers above 0</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1: not a number</translation>
    </message>
    <message>
        <source>the shape, rod placement, standard, soil method and verdict are named</source>
        <translation>the shape, rod placement, standard, soil method and verdict are named</translation>
    </message>
    <message>
        <source>the grid&apos;s sizes, the soil&apos;s resistivity and the duration are above zero</source>
        <translation>the grid&apos;s sizes, the soil&apos;s resistivity and the duration are above zero</translation>
    </message>
    <message>
        <source>a surface layer has a resistivity and a thickness</source>
        <translation>a surface layer has a resistivity and a thickness</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot open the archive: %1</source>
        <translation>cannot open the archive: %1</translation>
    </message>
    <message>
        <source>the archive was damaged; it was moved aside as %1 and a new one started</source>
        <translation>the archive was damaged; it was moved aside as %1 and a new one started</translation>
    </message>
    <message>
        <source>result ids are whole numbers as &quot;history&quot; prints them, not &quot;%1&quot;</source>
        <translation>result ids are whole numbers as &quot;history&quot; prints them, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--to takes SITE/POINT</source>
        <translation>--to takes SITE/POINT</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned to %1/%2</source>
        <translation>
            <numerusform>%n result assigned to %1/%2</numerusform>
            <numerusform>%n results assigned to %1/%2</numerusform>
        </translation>
    </message>
    <message>
        <source>--set takes &quot;YYYY-MM-DD HH:MM&quot; with a year from 2000 to 2099</source>
        <translation>--set takes &quot;YYYY-MM-DD HH:MM&quot; with a year from 2000 to 2099</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>needs %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> or </translation>
    </message>
    <message>
        <source>no user &quot;%1&quot; in %2</source>
        <translation>no user &quot;%1&quot; in %2</translation>
    </message>
    <message>
        <source>--format is table or json</source>
        <translation>--format is table or json</translation>
    </message>
    <message>
        <source>keeping read-outs in the archive is turned off, so the results erased are not kept anywhere</source>
        <translation>keeping read-outs in the archive is turned off, so the results erased are not kept anywhere</translation>
    </message>
    <message>
        <source>--slot takes a slot number from 0 to 99</source>
        <translation>--slot takes a slot number from 0 to 99</translation>
    </message>
    <message>
        <source>nothing was erased (--no-archive erases anyway)</source>
        <translation>nothing was erased (--no-archive erases anyway)</translation>
    </message>
    <message>
        <source>--xls needs a file name</source>
        <translation>--xls needs a file name</translation>
    </message>
    <message>
        <source>--port names the instrument to read; --from reads no instrument</source>
        <translation>--port names the instrument to read; --from reads no instrument</translation>
    </message>
    <message>
        <source>the workbook is saved all the same</source>
        <translation>the workbook is saved all the same</translation>
    </message>
    <message numerus="yes">
        <source>%n stored result(s) saved to %1</source>
        <translation>
            <numerusform>%n stored result saved to %1</numerusform>
            <numerusform>%n stored results saved to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (after leaving out %n result(s))</source>
        <translation>
            <numerusform>%1 (after leaving out %n result)</numerusform>
            <numerusform>%1 (after leaving out %n results)</numerusform>
        </translation>
    </message>
    <message>
        <source>--current-probe takes the current probe&apos;s distance in metres</source>
        <translation>--current-probe takes the current probe&apos;s distance in metres</translation>
    </message>
    <message>
        <source>--distances takes the potential probe&apos;s distances in metres, separated by commas</source>
        <translation>--distances takes the potential probe&apos;s distances in metres, separated by commas</translation>
    </message>
    <message>
        <source>cannot write the result</source>
        <translation>cannot write the result</translation>
    </message>
    <message>
        <source>--soil-model takes the id of a stored soil model</source>
        <translation>--soil-model takes the id of a stored soil model</translation>
    </message>
    <message>
        <source>site &quot;%1&quot; has no stored soil model</source>
        <translation>site &quot;%1&quot; has no stored soil model</translation>
    </message>
    <message>
        <source>--rho is a resistivity in ohm-metres above zero</source>
        <translation>--rho is a resistivity in ohm-metres above zero</translation>
    </message>
    <message>
        <source>needs --rho, --soil-model or --site (or soil.resistivity_ohm_m in the design)</source>
        <translation>needs --rho, --soil-model or --site (or soil.resistivity_ohm_m in the design)</translation>
    </message>
    <message>
        <source>--standard is ieee80 or en50522</source>
        <translation>--standard is ieee80 or en50522</translation>
    </message>
    <message>
        <source>cannot write the assessment</source>
        <translation>cannot write the assessment</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>unknown field</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>must be a number</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>must be a whole number</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>must be at most %1</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>must be true or false</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>must be an object</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>missing</translation>
    </message>
    <message>
        <source>must be above zero</source>
        <translation>must be above zero</translation>
    </message>
    <message>
        <source>not JSON: %1 at character %2</source>
        <translation>not JSON: %1 at character %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>%1 takes a date as YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation>%1 takes a date as YYYY-MM-DD, not &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--mode takes a mode code such as 1 (3Pole) to 10 (Iac)</source>
        <translation>--mode takes a mode code such as 1 (3Pole) to 10 (Iac)</translation>
    </message>
    <message>
        <source>--format is table, csv or json</source>
        <translation>--format is table, csv or json</translation>
    </message>
    <message>
        <source>--mode, --site and --point apply to results, not to read-outs</source>
        <translation>--mode, --site and --point apply to results, not to read-outs</translation>
    </message>
    <message>
        <source>open takes one read-out id</source>
        <translation>open takes one read-out id</translation>
    </message>
    <message>
        <source>open needs --out FILE</source>
        <translation>open needs --out FILE</translation>
    </message>
    <message>
        <source>read-out %1 written to %2 (7200 bytes)</source>
        <translation>read-out %1 written to %2 (7200 bytes)</translation>
    </message>
    <message>
        <source>label takes an id and the label text</source>
        <translation>label takes an id and the label text</translation>
    </message>
    <message>
        <source>%1: is a folder, not a read-out image</source>
        <translation>%1: is a folder, not a read-out image</translation>
    </message>
    <message>
        <source>%1: is a FIFO (named pipe), not a read-out image</source>
        <translation>%1: is a FIFO (named pipe), not a read-out image</translation>
    </message>
    <message>
        <source>%1: is a device, not a read-out image</source>
        <translation>%1: is a device, not a read-out image</translation>
    </message>
    <message>
        <source>%1: is a socket, not a read-out image</source>
        <translation>%1: is a socket, not a read-out image</translation>
    </message>
    <message>
        <source>%1: not a read-out image: a 7200-byte file expected, %2 bytes found</source>
        <translation>%1: not a read-out image: a 7200-byte file expected, %2 bytes found</translation>
    </message>
    <message>
        <source>--limit: %1</source>
        <translation>--limit: %1</translation>
    </message>
    <message>
        <source>--interval takes a number of months from 1 to 600</source>
        <translation>--interval takes a number of months from 1 to 600</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot;; see terrovane-cli --help</source>
        <translation>no command &quot;%1&quot;; see terrovane-cli --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see terrovane-cli --help</source>
        <translation>unknown command &quot;%1&quot;; see terrovane-cli --help</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 or %2</translation>
    </message>
    <message>
        <source>takes only one of %1</source>
        <translation>takes only one of %1</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 goes with %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unexpected argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>missing %1</translation>
    </message>
    <message>
        <source>test point %1 added to %2</source>
        <translation>test point %1 added to %2</translation>
    </message>
    <message>
        <source>test point %1 of %2 changed</source>
        <translation>test point %1 of %2 changed</translation>
    </message>
    <message>
        <source>--kind is one of %1</source>
        <translation>--kind is one of %1</translation>
    </message>
    <message>
        <source>--port %1: no port of the instrument&apos;s bridge has this device path or USB serial (terrovane-cli ports lists them)</source>
        <translation>--port %1: no port of the instrument&apos;s bridge has this device path or USB serial (terrovane-cli ports lists them)</translation>
    </message>
    <message>
        <source>--port %1: several ports of the instrument&apos;s bridge have this USB serial; give the device path (terrovane-cli ports lists them)</source>
        <translation>--port %1: several ports of the instrument&apos;s bridge have this USB serial; give the device path (terrovane-cli ports lists them)</translation>
    </message>
    <message>
        <source>the read-out could not be kept in the archive (%1); %2</source>
        <translation>the read-out could not be kept in the archive (%1); %2</translation>
    </message>
    <message>
        <source>the archive&apos;s ids of these results could not be read (%1)</source>
        <translation>the archive&apos;s ids of these results could not be read (%1)</translation>
    </message>
    <message>
        <source>the results follow all the same</source>
        <translation>the results follow all the same</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>the report is drawn all the same</source>
        <translation>the report is drawn all the same</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf needs a file name</translation>
    </message>
    <message>
        <source>--date must be YYYY-MM-DD</source>
        <translation>--date must be YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--lang must be zh, en or de, not &quot;%1&quot;</source>
        <translation>--lang must be zh, en or de, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the translation could not be loaded; the report&apos;s texts stay as written</source>
        <translation>the translation could not be loaded; the report&apos;s texts stay as written</translation>
    </message>
    <message>
        <source>site %1 added</source>
        <translation>site %1 added</translation>
    </message>
    <message>
        <source>site report of %1 written to %2 (%3)</source>
        <translation>site report of %1 written to %2 (%3)</translation>
    </message>
    <message>
        <source>site %1 changed</source>
        <translation>site %1 changed</translation>
    </message>
    <message>
        <source>--position takes LAT,LON in decimal degrees, e.g. 48.137,11.575</source>
        <translation>--position takes LAT,LON in decimal degrees, e.g. 48.137,11.575</translation>
    </message>
    <message>
        <source>no resistivity results (mode 9) with a distance among the stored results</source>
        <translation>no resistivity results (mode 9) with a distance among the stored results</translation>
    </message>
    <message>
        <source>no measured resistivity results (mode 9) with a distance are left to fit</source>
        <translation>no measured resistivity results (mode 9) with a distance are left to fit</translation>
    </message>
    <message>
        <source>--layers is 1, 2, 3 or auto</source>
        <translation>--layers is 1, 2, 3 or auto</translation>
    </message>
    <message>
        <source>--resistance applies to --csv only</source>
        <translation>--resistance applies to --csv only</translation>
    </message>
    <message>
        <source>cannot write the model</source>
        <translation>cannot write the model</translation>
    </message>
    <message>
        <source>%1; the best model found is shown</source>
        <translation>%1; the best model found is shown</translation>
    </message>
    <message>
        <source>--readout takes a read-out id as &quot;terrovane-cli history --readouts&quot; lists them, not &quot;%1&quot;</source>
        <translation>--readout takes a read-out id as &quot;terrovane-cli history --readouts&quot; lists them, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: cannot be read</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a table of readings</source>
        <translation>%1: larger than 1 MiB, not a table of readings</translation>
    </message>
    <message>
        <source>team schema made at layout %1; add the members with &quot;terrovane-cli team member add&quot;</source>
        <translation>team schema made at layout %1; add the members with &quot;terrovane-cli team member add&quot;</translation>
    </message>
    <message>
        <source>the team schema is there already at layout %1; nothing changed</source>
        <translation>the team schema is there already at layout %1; nothing changed</translation>
    </message>
    <message>
        <source>the team schema could not be made (run it as the database&apos;s owner, who needs the right to create roles)</source>
        <translation>the team schema could not be made (run it as the database&apos;s owner, who needs the right to create roles)</translation>
    </message>
    <message>
        <source>password for %1 (empty: keep an existing login&apos;s password): </source>
        <translation>password for %1 (empty: keep an existing login&apos;s password): </translation>
    </message>
    <message numerus="yes">
        <source>%1 is a viewer of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 is a viewer of the team with %n site</numerusform>
            <numerusform>%1 is a viewer of the team with %n sites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is an admin of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 is an admin of the team with %n site</numerusform>
            <numerusform>%1 is an admin of the team with %n sites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is an inspector of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 is an inspector of the team with %n site</numerusform>
            <numerusform>%1 is an inspector of the team with %n sites</numerusform>
        </translation>
    </message>
    <message>
        <source>--role is inspector, viewer or admin</source>
        <translation>--role is inspector, viewer or admin</translation>
    </message>
    <message>
        <source>the member could not be added</source>
        <translation>the member could not be added</translation>
    </message>
    <message>
        <source>the member could not be removed</source>
        <translation>the member could not be removed</translation>
    </message>
    <message>
        <source>%1 is no longer a member of the team</source>
        <translation>%1 is no longer a member of the team</translation>
    </message>
    <message>
        <source>the server did not say its status</source>
        <translation>the server did not say its status</translation>
    </message>
    <message>
        <source>the server is newer than this program: update this program</source>
        <translation>the server is newer than this program: update this program</translation>
    </message>
    <message>
        <source>the team server cannot be reached; nothing was changed, try again later</source>
        <translation>the team server cannot be reached; nothing was changed, try again later</translation>
    </message>
    <message>
        <source>the team server refused the sign-in; check the user name and password</source>
        <translation>the team server refused the sign-in; check the user name and password</translation>
    </message>
    <message>
        <source>the team server was busy with a conflicting change; try again</source>
        <translation>the team server was busy with a conflicting change; try again</translation>
    </message>
    <message>
        <source>the team server refused the change</source>
        <translation>the team server refused the change</translation>
    </message>
    <message>
        <source>the team server took too long to answer</source>
        <translation>the team server took too long to answer</translation>
    </message>
    <message>
        <source>the team server reported an error</source>
        <translation>the team server reported an error</translation>
    </message>
    <message>
        <source>cannot connect to the team server</source>
        <translation>cannot connect to the team server</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short yes typed to a question</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the yes typed to a question</comment>
        <translation>yes</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>must be a text</translation>
    </message>
    <message>
        <source>must be square, rectangular or l-shaped, not &quot;%1&quot;</source>
        <translation>must be square, rectangular or l-shaped, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>only for an l-shaped grid</source>
        <translation>only for an l-shaped grid</translation>
    </message>
    <message>
        <source>must be inside, perimeter or corners, not &quot;%1&quot;</source>
        <translation>must be inside, perimeter or corners, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>goes with fault.current_a, not with fault.grid_current_a</source>
        <translation>goes with fault.current_a, not with fault.grid_current_a</translation>
    </message>
    <message>
        <source>missing (or fault.current_a with its split factor)</source>
        <translation>missing (or fault.current_a with its split factor)</translation>
    </message>
    <message>
        <source>must not be negative</source>
        <translation>must not be negative</translation>
    </message>
    <message>
        <source>must be at least 2</source>
        <translation>must be at least 2</translation>
    </message>
    <message>
        <source>must be 50 or 70</source>
        <translation>must be 50 or 70</translation>
    </message>
    <message>
        <source>must be at most 1</source>
        <translation>must be at most 1</translation>
    </message>
    <message>
        <source>must be smaller than the grid</source>
        <translation>must be smaller than the grid</translation>
    </message>
    <message>
        <source>does not fall on a conductor: the conductors&apos; spacing does not fit it</source>
        <translation>does not fall on a conductor: the conductors&apos; spacing does not fit it</translation>
    </message>
    <message>
        <source>a square grid needs equal length and width and as many conductors each way</source>
        <translation>a square grid needs equal length and width and as many conductors each way</translation>
    </message>
    <message>
        <source>is not accepted</source>
        <translation>is not accepted</translation>
    </message>
    <message>
        <source>[OK: --yes]</source>
        <translation>[OK: --yes]</translation>
    </message>
    <message>
        <source>[Cancel: no terminal to ask; --yes answers OK]</source>
        <translation>[Cancel: no terminal to ask; --yes answers OK]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <translation>[y/N]</translation>
    </message>
    <message numerus="yes">
        <source>the team server refused %n change(s) (no right to change it, or not valid); they stay in the archive</source>
        <translation>
            <numerusform>the team server refused %n change (no right to change it, or not valid); it stays in the archive</numerusform>
            <numerusform>the team server refused %n changes (no right to change them, or not valid); they stay in the archive</numerusform>
        </translation>
    </message>
    <message>
        <source>a conflict&apos;s ID is a whole number from &quot;team conflicts&quot;</source>
        <translation>a conflict&apos;s ID is a whole number from &quot;team conflicts&quot;</translation>
    </message>
    <message>
        <source>--keep is kept or lost</source>
        <translation>--keep is kept or lost</translation>
    </message>
    <message>
        <source>there is no open conflict %1</source>
        <translation>there is no open conflict %1</translation>
    </message>
    <message>
        <source>conflict %1 resolved: the kept value stays</source>
        <translation>conflict %1 resolved: the kept value stays</translation>
    </message>
    <message>
        <source>conflict %1 resolved: the lost value is back and goes with the next sync</source>
        <translation>conflict %1 resolved: the lost value is back and goes with the next sync</translation>
    </message>
    <message>
        <source>not encrypted (a local socket: nothing crosses a network)</source>
        <translation>not encrypted (a local socket: nothing crosses a network)</translation>
    </message>
    <message>
        <source>NOT encrypted: the connection string asks for sslmode=%1</source>
        <translation>NOT encrypted: the connection string asks for sslmode=%1</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate verified (its authority and its name)</source>
        <translation>encrypted, %1; the server&apos;s certificate verified (its authority and its name)</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate verified against its authority, not its name</source>
        <translation>encrypted, %1; the server&apos;s certificate verified against its authority, not its name</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate not verified (name its root certificate with sslrootcert to verify it)</source>
        <translation>encrypted, %1; the server&apos;s certificate not verified (name its root certificate with sslrootcert to verify it)</translation>
    </message>
    <message>
        <source>server layout: none (this program: %1)</source>
        <translation>server layout: none (this program: %1)</translation>
    </message>
    <message>
        <source>server layout: %1 (this program: %2)</source>
        <translation>server layout: %1 (this program: %2)</translation>
    </message>
    <message>
        <source>signed in as:  %1 (not a member of the team)</source>
        <translation>signed in as:  %1 (not a member of the team)</translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (viewer, member of %n site(s))</source>
        <translation>
            <numerusform>signed in as:  %1 (viewer, member of %n site)</numerusform>
            <numerusform>signed in as:  %1 (viewer, member of %n sites)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (admin, member of %n site(s))</source>
        <translation>
            <numerusform>signed in as:  %1 (admin, member of %n site)</numerusform>
            <numerusform>signed in as:  %1 (admin, member of %n sites)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (inspector, member of %n site(s))</source>
        <translation>
            <numerusform>signed in as:  %1 (inspector, member of %n site)</numerusform>
            <numerusform>signed in as:  %1 (inspector, member of %n sites)</numerusform>
        </translation>
    </message>
    <message>
        <source>server:        reachable, PostgreSQL %1</source>
        <translation>server:        reachable, PostgreSQL %1</translation>
    </message>
    <message>
        <source>connection:    %1</source>
        <translation>connection:    %1</translation>
    </message>
    <message>
        <source>the team server offers no encrypted connection (TLS), so nothing was sent, the password least of all; its administrator turns TLS on at the server (ssl = on), or, on a network you trust, the connection string asks for sslmode=disable by name</source>
        <translation>the team server offers no encrypted connection (TLS), so nothing was sent, the password least of all; its administrator turns TLS on at the server (ssl = on), or, on a network you trust, the connection string asks for sslmode=disable by name</translation>
    </message>
    <message>
        <source>the team schema is there at layout %1, this program knows layout %2; nothing changed (an older one: &quot;terrovane-cli team upgrade&quot;)</source>
        <translation>the team schema is there at layout %1, this program knows layout %2; nothing changed (an older one: &quot;terrovane-cli team upgrade&quot;)</translation>
    </message>
    <message>
        <source>the team schema went from layout %1 to layout %2; every row and every archive&apos;s place were kept</source>
        <translation>the team schema went from layout %1 to layout %2; every row and every archive&apos;s place were kept</translation>
    </message>
    <message>
        <source>the team schema is at layout %1 already; nothing changed</source>
        <translation>the team schema is at layout %1 already; nothing changed</translation>
    </message>
    <message>
        <source>the team schema is at layout %1, newer than this program&apos;s %2: update this program; nothing changed</source>
        <translation>the team schema is at layout %1, newer than this program&apos;s %2: update this program; nothing changed</translation>
    </message>
    <message>
        <source>the team schema could not be upgraded (run it as the database&apos;s owner); nothing changed</source>
        <translation>the team schema could not be upgraded (run it as the database&apos;s owner); nothing changed</translation>
    </message>
    <message>
        <source>the server is older than this program: its owner runs &quot;terrovane-cli team upgrade&quot;</source>
        <translation>the server is older than this program: its owner runs &quot;terrovane-cli team upgrade&quot;</translation>
    </message>
    <message>
        <source>--rod takes the rod&apos;s length in metres, and its diameter after a comma</source>
        <translation>--rod takes the rod&apos;s length in metres, and its diameter after a comma</translation>
    </message>
    <message>
        <source>--direction takes the line&apos;s direction in degrees from the x axis</source>
        <translation>--direction takes the line&apos;s direction in degrees from the x axis</translation>
    </message>
    <message>
        <source>--flatness takes the plateau&apos;s flatness in per cent, above zero</source>
        <translation>--flatness takes the plateau&apos;s flatness in per cent, above zero</translation>
    </message>
    <message>
        <source>the current probe must stand beyond the electrode and within 100 km</source>
        <translation>the current probe must stand beyond the electrode and within 100 km</translation>
    </message>
    <message>
        <source>the soil model has a layer the computation cannot take</source>
        <translation>the soil model has a layer the computation cannot take</translation>
    </message>
    <message>
        <source>the electrode has a conductor without length or radius, or above the surface</source>
        <translation>the electrode has a conductor without length or radius, or above the surface</translation>
    </message>
    <message>
        <source>the electrode could not be computed in this soil</source>
        <translation>the electrode could not be computed in this soil</translation>
    </message>
    <message>
        <source>cannot write the plan</source>
        <translation>cannot write the plan</translation>
    </message>
    <message>
        <source>needs --rho, --soil-model or --site (or soil.resistivity_ohm_m or soil.layers in the design)</source>
        <translation>needs --rho, --soil-model or --site (or soil.resistivity_ohm_m or soil.layers in the design)</translation>
    </message>
    <message>
        <source>the solver gave up on this grid (too many segments, or conductors on top of each other): use --method formulas</source>
        <translation>the solver gave up on this grid (too many segments, or conductors on top of each other): use --method formulas</translation>
    </message>
    <message>
        <source>the grid could not be computed</source>
        <translation>the grid could not be computed</translation>
    </message>
    <message>
        <source>--map names a .csv or .json file</source>
        <translation>--map names a .csv or .json file</translation>
    </message>
    <message>
        <source>--method is computed or formulas</source>
        <translation>--method is computed or formulas</translation>
    </message>
    <message>
        <source>--map needs the computed method</source>
        <translation>--map needs the computed method</translation>
    </message>
    <message>
        <source>must be an array</source>
        <translation>must be an array</translation>
    </message>
    <message>
        <source>must have 1 to %1 layers</source>
        <translation>must have 1 to %1 layers</translation>
    </message>
    <message>
        <source>the last layer goes on downwards: no thickness</source>
        <translation>the last layer goes on downwards: no thickness</translation>
    </message>
    <message>
        <source>give either resistivity_ohm_m or layers</source>
        <translation>give either resistivity_ohm_m or layers</translation>
    </message>
    <message>
        <source>the soil model has a layer without a resistivity or thickness</source>
        <translation>the soil model has a layer without a resistivity or thickness</translation>
    </message>
    <message>
        <source>--point takes SITE/POINT</source>
        <translation>--point takes SITE/POINT</translation>
    </message>
    <message>
        <source>a typed result&apos;s id is a whole number as &quot;result show&quot; prints it, not &quot;%1&quot;</source>
        <translation>a typed result&apos;s id is a whole number as &quot;result show&quot; prints it, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>typed result %1 added</source>
        <translation>typed result %1 added</translation>
    </message>
    <message>
        <source>typed result %1 corrected as %2</source>
        <translation>typed result %1 corrected as %2</translation>
    </message>
    <message>
        <source>--format is table, csv, json or ics</source>
        <translation>--format is table, csv, json or ics</translation>
    </message>
    <message>
        <source>--within is a number of days from 0 to %1</source>
        <translation>--within is a number of days from 0 to %1</translation>
    </message>
    <message>
        <source>--format is table, csv, json, geojson or kml</source>
        <translation>--format is table, csv, json, geojson or kml</translation>
    </message>
    <message numerus="yes">
        <source>%n site(s) without a position left out</source>
        <translation>
            <numerusform>%n site without a position left out</numerusform>
            <numerusform>%n sites without a position left out</numerusform>
        </translation>
    </message>
    <message>
        <source>the mapping could not be remembered: %1</source>
        <translation>the mapping could not be remembered: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a mapping</source>
        <translation>%1 is too large for a mapping</translation>
    </message>
    <message>
        <source>--sites needs --mapping</source>
        <translation>--sites needs --mapping</translation>
    </message>
    <message>
        <source>site &quot;%1&quot; has no stored grid assessment</source>
        <translation>site &quot;%1&quot; has no stored grid assessment</translation>
    </message>
    <message>
        <source>--profile-out names a .csv or .json file</source>
        <translation>--profile-out names a .csv or .json file</translation>
    </message>
    <message>
        <source>--profile needs the computed method</source>
        <translation>--profile needs the computed method</translation>
    </message>
    <message>
        <source>--profile-out needs --profile</source>
        <translation>--profile-out needs --profile</translation>
    </message>
    <message>
        <source>--profile is X1,Y1,X2,Y2: two different points in metres</source>
        <translation>--profile is X1,Y1,X2,Y2: two different points in metres</translation>
    </message>
    <message>
        <source>an attachment&apos;s id is a whole number as &quot;attachments&quot; lists it, not &quot;%1&quot;</source>
        <translation>an attachment&apos;s id is a whole number as &quot;attachments&quot; lists it, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>attachment %1 added to %2</source>
        <translation>attachment %1 added to %2</translation>
    </message>
    <message>
        <source>taken %1</source>
        <translation>taken %1</translation>
    </message>
    <message>
        <source>taken at %1,%2 (&quot;site set SITE --position LAT,LON&quot; makes it the site&apos;s)</source>
        <translation>taken at %1,%2 (&quot;site set SITE --position LAT,LON&quot; makes it the site&apos;s)</translation>
    </message>
    <message>
        <source>attachment %1 written to %2</source>
        <translation>attachment %1 written to %2</translation>
    </message>
    <message>
        <source>caption of attachment %1 set</source>
        <translation>caption of attachment %1 set</translation>
    </message>
    <message>
        <source>attachment %1 removed</source>
        <translation>attachment %1 removed</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>firm set needs at least one of its options</source>
        <translation>firm set needs at least one of its options</translation>
    </message>
    <message>
        <source>the firm&apos;s profile is kept; in a team it goes to the server with the next sync, where only an admin may change it</source>
        <translation>the firm&apos;s profile is kept; in a team it goes to the server with the next sync, where only an admin may change it</translation>
    </message>
    <message>
        <source>--revision is a whole number from 1, not &quot;%1&quot;</source>
        <translation>--revision is a whole number from 1, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>report %1, revision %2, written to %3</source>
        <translation>report %1, revision %2, written to %3</translation>
    </message>
    <message>
        <source>the team server issues report numbers to inspectors and admins only: %1</source>
        <translation>the team server issues report numbers to inspectors and admins only: %1</translation>
    </message>
    <message>
        <source>the team server gave no number (%1); this PC issues one of its own</source>
        <translation>the team server gave no number (%1); this PC issues one of its own</translation>
    </message>
    <message>
        <source>the report written to %1 cannot be read back to keep it</source>
        <translation>the report written to %1 cannot be read back to keep it</translation>
    </message>
    <message>
        <source>report %1, revision %2, issued %3 and kept in the archive</source>
        <translation>report %1, revision %2, issued %3 and kept in the archive</translation>
    </message>
    <message>
        <source>--revise NUMBER goes with --issue</source>
        <translation>--revise NUMBER goes with --issue</translation>
    </message>
    <message>
        <source>the team server refused the firm&apos;s profile as changed here: only an admin changes it; the team&apos;s profile is back in the archive</source>
        <translation>the team server refused the firm&apos;s profile as changed here: only an admin changes it; the team&apos;s profile is back in the archive</translation>
    </message>
    <message>
        <source>attachment report takes yes or no, not &quot;%1&quot;</source>
        <translation>attachment report takes yes or no, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>attachment %1 goes into the site report</source>
        <translation>attachment %1 goes into the site report</translation>
    </message>
    <message>
        <source>attachment %1 stays out of the site report</source>
        <translation>attachment %1 stays out of the site report</translation>
    </message>
    <message>
        <source>%1 needs --pdf FILE</source>
        <translation>%1 needs --pdf FILE</translation>
    </message>
    <message>
        <source>certificates of %1 written to %2</source>
        <translation>certificates of %1 written to %2</translation>
    </message>
    <message>
        <source>a visit&apos;s id is a whole number as &quot;visits&quot; lists it, not &quot;%1&quot;</source>
        <translation>a visit&apos;s id is a whole number as &quot;visits&quot; lists it, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--instrument takes &quot;NAME;SERIAL;DUE&quot;, not &quot;%1&quot;</source>
        <translation>--instrument takes &quot;NAME;SERIAL;DUE&quot;, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--temperature takes degrees Celsius, as 12.5, not &quot;%1&quot;</source>
        <translation>--temperature takes degrees Celsius, as 12.5, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--soil is dry, moist, wet or frozen, not &quot;%1&quot;</source>
        <translation>--soil is dry, moist, wet or frozen, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>warning: the calibration of %1 (serial %2) was due on %3, before the visit</source>
        <translation>warning: the calibration of %1 (serial %2) was due on %3, before the visit</translation>
    </message>
    <message>
        <source>visit %1 added</source>
        <translation>visit %1 added</translation>
    </message>
    <message>
        <source>visit %1 changed</source>
        <translation>visit %1 changed</translation>
    </message>
    <message>
        <source>visit %1 deleted; its results stay with their points</source>
        <translation>visit %1 deleted; its results stay with their points</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned to visit %1</source>
        <translation>
            <numerusform>%n result assigned to visit %1</numerusform>
            <numerusform>%n results assigned to visit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>typed traverse %1 added</source>
        <translation>typed traverse %1 added</translation>
    </message>
    <message>
        <source>give the readings with --wenner or with --schlumberger</source>
        <translation>give the readings with --wenner or with --schlumberger</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a sounding&apos;s readings are all resistances or all resistivities</source>
        <translation>&quot;%1&quot;: a sounding&apos;s readings are all resistances or all resistivities</translation>
    </message>
    <message>
        <source>typed sounding %1 added</source>
        <translation>typed sounding %1 added</translation>
    </message>
    <message>
        <source>a reading is DISTANCE=VALUE[UNIT] in metres and ohms or ohm-metres, as 10=4.2 or 2=85ohm.m, not &quot;%1&quot;</source>
        <translation>a reading is DISTANCE=VALUE[UNIT] in metres and ohms or ohm-metres, as 10=4.2 or 2=85ohm.m, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a value over range is no reading a curve can pass through</source>
        <translation>&quot;%1&quot;: a value over range is no reading a curve can pass through</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: say the unit, ohm for a resistance or ohm.m for a resistivity</source>
        <translation>&quot;%1&quot;: say the unit, ohm for a resistance or ohm.m for a resistivity</translation>
    </message>
    <message>
        <source>an id is a whole number as the listing prints it, not &quot;%1&quot;</source>
        <translation>an id is a whole number as the listing prints it, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>nothing holds these words</source>
        <translation>nothing holds these words</translation>
    </message>
    <message numerus="yes">
        <source>%n typed result(s) assigned to visit %1</source>
        <translation>
            <numerusform>%n typed result assigned to visit %1</numerusform>
            <numerusform>%n typed results assigned to visit %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a Schlumberger reading is AB2/MN2=VALUE[UNIT], AB/2 and MN/2 in metres, as 10/1=80ohm.m, not &quot;%1&quot;</source>
        <translation>a Schlumberger reading is AB2/MN2=VALUE[UNIT], AB/2 and MN/2 in metres, as 10/1=80ohm.m, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>this Schlumberger sounding was kept without MN/2, which the fit needs: add it again with AB2/MN2=VALUE readings</source>
        <translation>this Schlumberger sounding was kept without MN/2, which the fit needs: add it again with AB2/MN2=VALUE readings</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>Result&apos;s test point</source>
        <translation>Result&apos;s test point</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Limit source</source>
        <translation>Limit source</translation>
    </message>
    <message>
        <source>Test interval</source>
        <translation>Test interval</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Deleted</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>this PC</source>
        <translation>this PC</translation>
    </message>
</context>
<context>
    <name>DisplayPanel</name>
    <message>
        <source>Instrument display</source>
        <translation>Instrument display</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>%1 is loaded as a module</source>
        <translation>%1 is loaded as a module</translation>
    </message>
    <message>
        <source>%1 is built into the kernel</source>
        <translation>%1 is built into the kernel</translation>
    </message>
    <message>
        <source>%1 is installed; the kernel loads it when the bridge is plugged in</source>
        <translation>%1 is installed; the kernel loads it when the bridge is plugged in</translation>
    </message>
    <message>
        <source>%1 is installed but not loaded although the bridge is attached</source>
        <translation>%1 is installed but not loaded although the bridge is attached</translation>
    </message>
    <message>
        <source>this kernel (%1) has no %2 driver</source>
        <translation>this kernel (%1) has no %2 driver</translation>
    </message>
    <message>
        <source>install the kernel&apos;s extra modules (Ubuntu: %1), then plug the instrument in again</source>
        <translation>install the kernel&apos;s extra modules (Ubuntu: %1), then plug the instrument in again</translation>
    </message>
    <message>
        <source>%1, then plug the instrument in again</source>
        <translation>%1, then plug the instrument in again</translation>
    </message>
    <message>
        <source>no USB device of the bridge&apos;s vendor (%1) is attached</source>
        <translation>no USB device of the bridge&apos;s vendor (%1) is attached</translation>
    </message>
    <message>
        <source>plug the instrument in with a data cable (not a charging-only one) and switch it on; %1 should then list %2</source>
        <translation>plug the instrument in with a data cable (not a charging-only one) and switch it on; %1 should then list %2</translation>
    </message>
    <message>
        <source>%1:%2 at USB %3</source>
        <extracomment>The USB device: %1 vendor id, %2 product id, %3 its place on the USB bus (&quot;1-1.4&quot;).</extracomment>
        <translation>%1:%2 at USB %3</translation>
    </message>
    <message>
        <source>%1:%2 at USB %3 (serial %4)</source>
        <extracomment>The USB device: %1 vendor id, %2 product id, %3 its place on the USB bus, %4 its serial number.</extracomment>
        <translation>%1:%2 at USB %3 (serial %4)</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 a USB device (&quot;10c4:ea60 at USB 1-1&quot;), %2 the serial ports it got (&quot;ttyUSB0&quot;).</extracomment>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>%1; the instrument&apos;s bridge is %2</source>
        <extracomment>%1 the USB devices found with their ports, %2 the vendor:product id of the instrument&apos;s bridge.</extracomment>
        <translation>%1; the instrument&apos;s bridge is %2</translation>
    </message>
    <message>
        <source>check that this is the instrument and not another adapter</source>
        <translation>check that this is the instrument and not another adapter</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): a program holds its interface through usbfs (brltty does this)</source>
        <translation>%1 has no serial port (tty): a program holds its interface through usbfs (brltty does this)</translation>
    </message>
    <message>
        <source>see the brltty line below; then unplug and plug the instrument in again</source>
        <translation>see the brltty line below; then unplug and plug the instrument in again</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): no driver is bound to it</source>
        <translation>%1 has no serial port (tty): no driver is bound to it</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): its interface is bound to %2</source>
        <translation>%1 has no serial port (tty): its interface is bound to %2</translation>
    </message>
    <message>
        <source>unplug and plug the instrument in again</source>
        <translation>unplug and plug the instrument in again</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>not installed</translation>
    </message>
    <message>
        <source>installed, running</source>
        <translation>installed, running</translation>
    </message>
    <message>
        <source>installed, not running</source>
        <translation>installed, not running</translation>
    </message>
    <message>
        <source>%1; its rule %2 (line %3) claims %4 and takes the tty away a second after plug-in</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 a rule file, %3 a line number, %4 vendor:product id.</extracomment>
        <translation>%1; its rule %2 (line %3) claims %4 and takes the tty away a second after plug-in</translation>
    </message>
    <message>
        <source>%1; its rule is switched off by %2</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 the file that switches the rule off.</extracomment>
        <translation>%1; its rule is switched off by %2</translation>
    </message>
    <message>
        <source>%1; none of its rules claims %2</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 vendor:product id.</extracomment>
        <translation>%1; none of its rules claims %2</translation>
    </message>
    <message>
        <source>%1 (unless you use a braille display), or delete line %2 of %3; then %4 and plug the instrument in again</source>
        <extracomment>%1 and %4 commands, %2 a line number, %3 a rule file.</extracomment>
        <translation>%1 (unless you use a braille display), or delete line %2 of %3; then %4 and plug the instrument in again</translation>
    </message>
    <message>
        <source>%1 (unless you use a braille display), or override its rule: %2 and delete line %3 in the copy; then %4 and plug the instrument in again</source>
        <extracomment>%1, %2 and %4 commands, %3 a line number.</extracomment>
        <translation>%1 (unless you use a braille display), or override its rule: %2 and delete line %3 in the copy; then %4 and plug the instrument in again</translation>
    </message>
    <message>
        <source>%1 is not installed: only root and dialout may open the port, and it has no stable name</source>
        <translation>%1 is not installed: only root and dialout may open the port, and it has no stable name</translation>
    </message>
    <message>
        <source>install the %1 package (or copy its %2 into %3), run %4 and plug the instrument in again</source>
        <extracomment>%1 the package, %2 the rule file, %3 a folder, %4 a command.</extracomment>
        <translation>install the %1 package (or copy its %2 into %3), run %4 and plug the instrument in again</translation>
    </message>
    <message>
        <source>%1 switches the rule off</source>
        <translation>%1 switches the rule off</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>remove %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>not running</translation>
    </message>
    <message>
        <source>running; %1 keeps it off the bridge</source>
        <translation>running; %1 keeps it off the bridge</translation>
    </message>
    <message>
        <source>running, and no rule keeps it off the bridge: it may send AT commands to the instrument for a few seconds after plug-in</source>
        <translation>running, and no rule keeps it off the bridge: it may send AT commands to the instrument for a few seconds after plug-in</translation>
    </message>
    <message>
        <source>install the %1 package (its udev rule sets %2), or %3</source>
        <translation>install the %1 package (its udev rule sets %2), or %3</translation>
    </message>
    <message>
        <source> (not in the way: the port-map file names the port)</source>
        <translation> (not in the way: the port-map file names the port)</translation>
    </message>
    <message>
        <source>live system</source>
        <translation>live system</translation>
    </message>
    <message>
        <source>live system under %1</source>
        <translation>live system under %1</translation>
    </message>
    <message>
        <source>%1 file %2</source>
        <extracomment>%1 the environment variable&apos;s name, %2 the file it names.</extracomment>
        <translation>%1 file %2</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>none given</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <extracomment>%1 the port map in force (&quot;live system&quot; or a file), %2 why it cannot be read.</extracomment>
        <translation>%1: cannot be read: %2</translation>
    </message>
    <message>
        <source>point %1 at a port-map file, or unset it to use the live ports</source>
        <translation>point %1 at a port-map file, or unset it to use the live ports</translation>
    </message>
    <message>
        <source>%1: no port of the bridge is published in it</source>
        <translation>%1: no port of the bridge is published in it</translation>
    </message>
    <message>
        <source>see the bridge line above</source>
        <translation>see the bridge line above</translation>
    </message>
    <message>
        <source>%1: port name &quot;%2&quot;: %3</source>
        <translation>%1: port name &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>correct the port-map file</source>
        <translation>correct the port-map file</translation>
    </message>
    <message>
        <source>%1: %2 opens no device</source>
        <translation>%1: %2 opens no device</translation>
    </message>
    <message>
        <source>name the device of %1 in the map&apos;s %2 section</source>
        <translation>name the device of %1 in the map&apos;s %2 section</translation>
    </message>
    <message>
        <source>%1: discovery chooses %2, which opens %3</source>
        <translation>%1: discovery chooses %2, which opens %3</translation>
    </message>
    <message>
        <source>no port to check</source>
        <translation>no port to check</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 does not exist</translation>
    </message>
    <message>
        <source>plug the instrument in and switch it on</source>
        <translation>plug the instrument in and switch it on</translation>
    </message>
    <message>
        <source>%1 (owner %2, group %3, %4)</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its permissions (&quot;crw-rw----&quot;).</extracomment>
        <translation>%1 (owner %2, group %3, %4)</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: joined %3 after this login began</source>
        <translation>%1: %2 may not open it: joined %3 after this login began</translation>
    </message>
    <message>
        <source>log out and log in again (or reboot) so the session gets group %1</source>
        <translation>log out and log in again (or reboot) so the session gets group %1</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: not a member of %3, and its access list (uaccess) has no entry for %2</source>
        <extracomment>%1 the device with its owner, group and permissions, %2 the user, %3 the group.</extracomment>
        <translation>%1: %2 may not open it: not a member of %3, and its access list (uaccess) has no entry for %2</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: its group may not open it either, and its access list (uaccess) has no entry for %2</source>
        <translation>%1: %2 may not open it: its group may not open it either, and its access list (uaccess) has no entry for %2</translation>
    </message>
    <message>
        <source>the udev rule gives the port to the user at the computer&apos;s own screen (not over ssh): log in there and plug the instrument in again</source>
        <translation>the udev rule gives the port to the user at the computer&apos;s own screen (not over ssh): log in there and plug the instrument in again</translation>
    </message>
    <message>
        <source>install the %1 package: its udev rule lets the logged-in user open the port</source>
        <translation>install the %1 package: its udev rule lets the logged-in user open the port</translation>
    </message>
    <message>
        <source>; or %1, then log in again</source>
        <translation>; or %1, then log in again</translation>
    </message>
    <message>
        <source>%1: %2 may open it as root</source>
        <translation>%1: %2 may open it as root</translation>
    </message>
    <message>
        <source>%1: %2 may open it as its owner</source>
        <translation>%1: %2 may open it as its owner</translation>
    </message>
    <message>
        <source>%1: %2 may open it through its access list (uaccess)</source>
        <translation>%1: %2 may open it through its access list (uaccess)</translation>
    </message>
    <message>
        <source>%1: %2 may open it through group %3</source>
        <translation>%1: %2 may open it through group %3</translation>
    </message>
    <message>
        <source>%1: %2 may open it as anyone may</source>
        <translation>%1: %2 may open it as anyone may</translation>
    </message>
    <message>
        <source>no other program holds %1</source>
        <translation>no other program holds %1</translation>
    </message>
    <message>
        <source>%1 is held by %2</source>
        <extracomment>%1 the device, %2 the programs holding it (&quot;minicom (pid 9)&quot;).</extracomment>
        <translation>%1 is held by %2</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (pid %2)</translation>
    </message>
    <message>
        <source>; served by the simulated instrument %1</source>
        <translation>; served by the simulated instrument %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n processes of other users not looked at; sudo shows them)</source>
        <translation>
            <numerusform> (%n process of other users not looked at; sudo shows it)</numerusform>
            <numerusform> (%n processes of other users not looked at; sudo shows them)</numerusform>
        </translation>
    </message>
    <message>
        <source>close that program, or end it: %1</source>
        <translation>close that program, or end it: %1</translation>
    </message>
    <message>
        <source>the instrument answered on %1</source>
        <translation>the instrument answered on %1</translation>
    </message>
    <message>
        <source>no answer: %1</source>
        <extracomment>%1 what the link said: the message a command would have shown.</extracomment>
        <translation>no answer: %1</translation>
    </message>
    <message>
        <source>mend the first failing line above; if all pass, switch the instrument on and check the cable</source>
        <translation>mend the first failing line above; if all pass, switch the instrument on and check the cable</translation>
    </message>
    <message>
        <source>not tried: the link finds its port on the running system, not in this tree</source>
        <translation>not tried: the link finds its port on the running system, not in this tree</translation>
    </message>
    <message>
        <source>not tried (%1)</source>
        <translation>not tried (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list: ttys, drivers, programs.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>driver</source>
        <translation>driver</translation>
    </message>
    <message>
        <source>bridge</source>
        <translation>bridge</translation>
    </message>
    <message>
        <source>udev rule</source>
        <translation>udev rule</translation>
    </message>
    <message>
        <source>port map</source>
        <translation>port map</translation>
    </message>
    <message>
        <source>access</source>
        <translation>access</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>in use</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>handshake</translation>
    </message>
    <message>
        <source>fix: </source>
        <extracomment>Before what to do about a finding; seven spaces come before it, under the finding&apos;s mark.</extracomment>
        <translation>fix: </translation>
    </message>
</context>
<context>
    <name>DueList</name>
    <message>
        <source>now (overdue)</source>
        <translation>now (overdue)</translation>
    </message>
    <message>
        <source>%1 (overdue)</source>
        <translation>%1 (overdue)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message numerus="yes">
        <source>%1, then %n failed reading(s)</source>
        <translation>
            <numerusform>%1, then %n failed reading</numerusform>
            <numerusform>%1, then %n failed readings</numerusform>
        </translation>
    </message>
    <message>
        <source>Due list</source>
        <translation>Due list</translation>
    </message>
    <message numerus="yes">
        <source>Overdue and due within %n day(s) of %1</source>
        <translation>
            <numerusform>Overdue and due within %n day of %1</numerusform>
            <numerusform>Overdue and due within %n days of %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Last test</translation>
    </message>
    <message>
        <source>Last result</source>
        <translation>Last result</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>No test point falls due.</source>
        <translation>No test point falls due.</translation>
    </message>
</context>
<context>
    <name>ExportPath</name>
    <message>
        <source>Excel workbook (*.xlsx);;excel file(*.xls);;CSV file(*.csv);;JSON file(*.json)</source>
        <translation>Excel workbook (*.xlsx);;excel file(*.xls);;CSV file(*.csv);;JSON file(*.json)</translation>
    </message>
</context>
<context>
    <name>FopSummary</name>
    <message>
        <source>Resistance at 61.8 % of D: %1</source>
        <translation>Resistance at 61.8 % of D: %1</translation>
    </message>
    <message>
        <source>Plateau: yes, spread %1 % (tolerance %2 %)</source>
        <translation>Plateau: yes, spread %1 % (tolerance %2 %)</translation>
    </message>
    <message>
        <source>Plateau: no, spread %1 % (tolerance %2 %)</source>
        <translation>Plateau: no, spread %1 % (tolerance %2 %)</translation>
    </message>
    <message>
        <source>Slope method: mu %1, Pt/C %2, resistance %3</source>
        <translation>Slope method: mu %1, Pt/C %2, resistance %3</translation>
    </message>
</context>
<context>
    <name>FopWindow</name>
    <message>
        <source>Fall of potential - %1</source>
        <translation>Fall of potential - %1</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>Fall of potential</translation>
    </message>
    <message>
        <source>Current probe D (m):</source>
        <translation>Current probe D (m):</translation>
    </message>
    <message>
        <source>Spread evenly</source>
        <translation>Spread evenly</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Re (ohm)</source>
        <translation>Re (ohm)</translation>
    </message>
    <message>
        <source>Potential probe x (m)</source>
        <translation>Potential probe x (m)</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>Store with %1</translation>
    </message>
    <message>
        <source>Store with test point</source>
        <translation>Store with test point</translation>
    </message>
    <message>
        <source>The results belong to no one test point: assign them first</source>
        <translation>The results belong to no one test point: assign them first</translation>
    </message>
    <message>
        <source>Curve stored with %1</source>
        <translation>Curve stored with %1</translation>
    </message>
    <message>
        <source>Row %1: the potential-probe distance is a number of metres above 0.</source>
        <translation>Row %1: the potential-probe distance is a number of metres above 0.</translation>
    </message>
    <message>
        <source>A fall-of-potential curve needs at least two 3-pole or 4-pole results with a measured value.</source>
        <translation>A fall-of-potential curve needs at least two 3-pole or 4-pole results with a measured value.</translation>
    </message>
    <message>
        <source>; %1 left out (see below)</source>
        <translation>; %1 left out (see below)</translation>
    </message>
    <message>
        <source>Save plot...</source>
        <translation>Save plot...</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) are no 3-pole or 4-pole earth resistance and left out</source>
        <translation>
            <numerusform>%n result is no 3-pole or 4-pole earth resistance and left out</numerusform>
            <numerusform>%n results are no 3-pole or 4-pole earth resistance and left out</numerusform>
        </translation>
    </message>
    <message>
        <source>Rod length (m):</source>
        <translation>Rod length (m):</translation>
    </message>
    <message>
        <source>The rod the predicted curve is worked out for</source>
        <translation>The rod the predicted curve is worked out for</translation>
    </message>
    <message>
        <source>the site&apos;s grid of %1 m x %2 m</source>
        <translation>the site&apos;s grid of %1 m x %2 m</translation>
    </message>
    <message>
        <source>a rod of %1 m</source>
        <translation>a rod of %1 m</translation>
    </message>
    <message>
        <source>Soil model, %1: %2 Ω; the predicted curve does not reach it before the current probe: a longer D is needed.</source>
        <translation>Soil model, %1: %2 Ω; the predicted curve does not reach it before the current probe: a longer D is needed.</translation>
    </message>
    <message>
        <source>Soil model, %1: %2 Ω, read with the potential probe at %3 % of D rather than 61.8 %.</source>
        <translation>Soil model, %1: %2 Ω, read with the potential probe at %3 % of D rather than 61.8 %.</translation>
    </message>
    <message>
        <source>The readings give %1 Ω there.</source>
        <translation>The readings give %1 Ω there.</translation>
    </message>
    <message>
        <source>Readings typed in</source>
        <translation>Readings typed in</translation>
    </message>
    <message>
        <source>A traverse measured with another instrument, typed in distance by distance</source>
        <translation>A traverse measured with another instrument, typed in distance by distance</translation>
    </message>
    <message>
        <source>Row %1: a distance and a resistance are numbers above 0.</source>
        <translation>Row %1: a distance and a resistance are numbers above 0.</translation>
    </message>
    <message>
        <source>Type at least two readings: the potential probe&apos;s distance and the resistance read there.</source>
        <translation>Type at least two readings: the potential probe&apos;s distance and the resistance read there.</translation>
    </message>
    <message>
        <source>Typed traverse kept with %1</source>
        <translation>Typed traverse kept with %1</translation>
    </message>
</context>
<context>
    <name>GridSoil</name>
    <message>
        <source>Safe</source>
        <translation>Safe</translation>
    </message>
    <message>
        <source>Not safe</source>
        <translation>Not safe</translation>
    </message>
    <message>
        <source>Not shown safe</source>
        <translation>Not shown safe</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the design is not safe across the soil model&apos;s one-sigma range.</source>
        <translation>The soil is not known well enough: the design is not safe across the soil model&apos;s one-sigma range.</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the fit cannot say how uncertain its values are (too few points, or a value the points do not determine).</source>
        <translation>The soil is not known well enough: the fit cannot say how uncertain its values are (too few points, or a value the points do not determine).</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the sounding does not resolve layer %1 of the model.</source>
        <translation>The soil is not known well enough: the sounding does not resolve layer %1 of the model.</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the model misses its points by %1 % RMS, more than the %2 % a sounding can have.</source>
        <translation>The soil is not known well enough: the model misses its points by %1 % RMS, more than the %2 % a sounding can have.</translation>
    </message>
    <message>
        <source>At the high end of the soil&apos;s one-sigma range, %1 Ω·m: %2</source>
        <translation>At the high end of the soil&apos;s one-sigma range, %1 Ω·m: %2</translation>
    </message>
    <message>
        <source>At the low end of the soil&apos;s one-sigma range, %1 Ω·m: %2</source>
        <translation>At the low end of the soil&apos;s one-sigma range, %1 Ω·m: %2</translation>
    </message>
</context>
<context>
    <name>GridText</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>The ground potential rise %1 is below the tolerable touch voltage %2</source>
        <translation>The ground potential rise %1 is below the tolerable touch voltage %2</translation>
    </message>
    <message>
        <source>The mesh voltage %1 is below the tolerable touch voltage %2</source>
        <translation>The mesh voltage %1 is below the tolerable touch voltage %2</translation>
    </message>
    <message>
        <source>The step voltage %1 is below the tolerable step voltage %2</source>
        <translation>The step voltage %1 is below the tolerable step voltage %2</translation>
    </message>
    <message>
        <source>The mesh voltage %1 is %3 (%4 %) above the tolerable touch voltage %2</source>
        <translation>The mesh voltage %1 is %3 (%4 %) above the tolerable touch voltage %2</translation>
    </message>
    <message>
        <source>The step voltage %1 is %3 (%4 %) above the tolerable step voltage %2</source>
        <translation>The step voltage %1 is %3 (%4 %) above the tolerable step voltage %2</translation>
    </message>
    <message>
        <source>The earth potential rise %1 is at most twice the permissible touch voltage (%2)</source>
        <translation>The earth potential rise %1 is at most twice the permissible touch voltage (%2)</translation>
    </message>
    <message>
        <source>The touch voltage (the mesh voltage) %1 is within the permissible touch voltage %2</source>
        <translation>The touch voltage (the mesh voltage) %1 is within the permissible touch voltage %2</translation>
    </message>
    <message>
        <source>The touch voltage (the mesh voltage) %1 is %3 (%4 %) above the permissible touch voltage %2</source>
        <translation>The touch voltage (the mesh voltage) %1 is %3 (%4 %) above the permissible touch voltage %2</translation>
    </message>
    <message>
        <source>The depth %1 m is outside the formulas&apos; range of 0.25 m to 2.5 m</source>
        <translation>The depth %1 m is outside the formulas&apos; range of 0.25 m to 2.5 m</translation>
    </message>
    <message>
        <source>The spacing %1 m is not above the formulas&apos; 2.5 m</source>
        <translation>The spacing %1 m is not above the formulas&apos; 2.5 m</translation>
    </message>
    <message>
        <source>The conductor diameter %1 m is not below a quarter of the depth (%2 m)</source>
        <translation>The conductor diameter %1 m is not below a quarter of the depth (%2 m)</translation>
    </message>
    <message>
        <source>n = %1 is above the formulas&apos; 25</source>
        <translation>n = %1 is above the formulas&apos; 25</translation>
    </message>
    <message>
        <source>The shock duration %1 s is outside the body current limit&apos;s 0.03 s to 3 s</source>
        <translation>The shock duration %1 s is outside the body current limit&apos;s 0.03 s to 3 s</translation>
    </message>
    <message>
        <source>The spacings differ (%1 m and %2 m): the formulas use the larger</source>
        <translation>The spacings differ (%1 m and %2 m): the formulas use the larger</translation>
    </message>
    <message>
        <source>The depth %1 m is beyond Schwarz&apos;s deepest curve (%2 m)</source>
        <translation>The depth %1 m is beyond Schwarz&apos;s deepest curve (%2 m)</translation>
    </message>
    <message>
        <source>The formulas assume uniform soil: the %1-layer model is reduced to one resistivity</source>
        <translation>The formulas assume uniform soil: the %1-layer model is reduced to one resistivity</translation>
    </message>
    <message>
        <source>The fault duration %1 s is outside EN 50522&apos;s table (0.05 s to 10 s): its nearest end is used</source>
        <translation>The fault duration %1 s is outside EN 50522&apos;s table (0.05 s to 10 s): its nearest end is used</translation>
    </message>
    <message>
        <source>The largest touch voltage %1 is within its limit %2</source>
        <translation>The largest touch voltage %1 is within its limit %2</translation>
    </message>
    <message>
        <source>The largest touch voltage %1 is above its limit %2</source>
        <translation>The largest touch voltage %1 is above its limit %2</translation>
    </message>
    <message>
        <source>The largest step voltage %1 is within its limit %2</source>
        <translation>The largest step voltage %1 is within its limit %2</translation>
    </message>
    <message>
        <source>The largest step voltage %1 is above its limit %2</source>
        <translation>The largest step voltage %1 is above its limit %2</translation>
    </message>
</context>
<context>
    <name>GridWindow</name>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Grid of %1 by %2 with %3 conductors and %4 rods</source>
        <translation>Grid of %1 by %2 with %3 conductors and %4 rods</translation>
    </message>
</context>
<context>
    <name>HistoryColumns</name>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Read out</source>
        <translation>Read out</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source> (doubtful)</source>
        <translation> (doubtful)</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Limit %1 Ω (%2)</source>
        <translation>Limit %1 Ω (%2)</translation>
    </message>
    <message>
        <source>No limit applies</source>
        <translation>No limit applies</translation>
    </message>
    <message>
        <source>
Doubtful: </source>
        <translation>
Doubtful: </translation>
    </message>
</context>
<context>
    <name>ImportProblems</name>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>the file cannot be read: %1</translation>
    </message>
    <message>
        <source>the file is larger than %1 MiB; split it</source>
        <translation>the file is larger than %1 MiB; split it</translation>
    </message>
    <message>
        <source>the quote opened on line %1 is never closed</source>
        <translation>the quote opened on line %1 is never closed</translation>
    </message>
    <message>
        <source>the file is no .xlsx workbook: %1</source>
        <translation>the file is no .xlsx workbook: %1</translation>
    </message>
    <message>
        <source>the workbook has no sheet &quot;%1&quot;; its sheets are %2</source>
        <translation>the workbook has no sheet &quot;%1&quot;; its sheets are %2</translation>
    </message>
    <message>
        <source>the file holds no rows to import</source>
        <translation>the file holds no rows to import</translation>
    </message>
    <message>
        <source>the mapping is no JSON object: %1</source>
        <translation>the mapping is no JSON object: %1</translation>
    </message>
    <message>
        <source>the mapping&apos;s &quot;%1&quot; is not valid: it takes %2</source>
        <translation>the mapping&apos;s &quot;%1&quot; is not valid: it takes %2</translation>
    </message>
    <message>
        <source>the mapping has no member &quot;%1&quot;; its members are %2</source>
        <translation>the mapping has no member &quot;%1&quot;; its members are %2</translation>
    </message>
    <message>
        <source>the mapping needs a column for %1</source>
        <translation>the mapping needs a column for %1</translation>
    </message>
    <message>
        <source>the mapping names the column &quot;%1&quot;, which the header row does not have</source>
        <translation>the mapping names the column &quot;%1&quot;, which the header row does not have</translation>
    </message>
    <message>
        <source>no mapping is remembered for a file with this header row; give one</source>
        <translation>no mapping is remembered for a file with this header row; give one</translation>
    </message>
    <message>
        <source>the row has no column %1</source>
        <translation>the row has no column %1</translation>
    </message>
    <message>
        <source>the column %1 is empty</source>
        <translation>the column %1 is empty</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date written %2</source>
        <translation>the date &quot;%1&quot; is not a date written %2</translation>
    </message>
    <message>
        <source>the point &quot;%1&quot; is not written SITE/POINT</source>
        <translation>the point &quot;%1&quot; is not written SITE/POINT</translation>
    </message>
    <message>
        <source>the value of %1 is marked over range without its bound: &quot;%2&quot;</source>
        <translation>the value of %1 is marked over range without its bound: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File (&amp;F)</source>
        <translation>File (&amp;F)</translation>
    </message>
    <message>
        <source>Read (&amp;R)</source>
        <translation>Read (&amp;R)</translation>
    </message>
    <message>
        <source>Save (&amp;S)</source>
        <translation>Save (&amp;S)</translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <translation>Print(&amp;P)</translation>
    </message>
    <message>
        <source>Show (&amp;F)</source>
        <translation>Show (&amp;F)</translation>
    </message>
    <message>
        <source>Exit (&amp;E)</source>
        <translation>Exit (&amp;E)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;History...</translation>
    </message>
    <message>
        <source>Mount(&amp;M)</source>
        <translation>Mount(&amp;M)</translation>
    </message>
    <message>
        <source>Date&amp;Time (&amp;T)</source>
        <translation>Date&amp;&amp;Time (&amp;T)</translation>
    </message>
    <message>
        <source>Erase    (&amp;D)</source>
        <translation>Erase    (&amp;D)</translation>
    </message>
    <message>
        <source>Current(&amp;C)</source>
        <translation>Current(&amp;C)</translation>
    </message>
    <message>
        <source>All    (&amp;A)</source>
        <translation>All    (&amp;A)</translation>
    </message>
    <message>
        <source>Help (&amp;H)</source>
        <translation>Help (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Fast read-out</source>
        <translation>&amp;Fast read-out</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>&amp;Port...</translation>
    </message>
    <message>
        <source>Language (&amp;L)</source>
        <translation>Language (&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Team...</source>
        <translation>&amp;Team...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The archive was damaged. It was moved aside as &quot;%1&quot; and a new archive was started.</source>
        <translation>The archive was damaged. It was moved aside as &quot;%1&quot; and a new archive was started.</translation>
    </message>
    <message>
        <source>The read-out could not be kept in the archive (%1). The results read are shown and can be saved and printed as usual.</source>
        <translation>The read-out could not be kept in the archive (%1). The results read are shown and can be saved and printed as usual.</translation>
    </message>
    <message>
        <source>Cannot write data.inf.</source>
        <translation>Cannot write data.inf.</translation>
    </message>
    <message>
        <source>The read-out could not be opened: %1</source>
        <translation>The read-out could not be opened: %1</translation>
    </message>
    <message>
        <source>Cannot write data.inf, nothing was printed.</source>
        <translation>Cannot write data.inf, nothing was printed.</translation>
    </message>
    <message>
        <source>The print service &quot;%1&quot; could not be started, so nothing was printed: %2.</source>
        <translation>The print service &quot;%1&quot; could not be started, so nothing was printed: %2.</translation>
    </message>
    <message>
        <source>No data，please read firstly</source>
        <translation>No data, please read first</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>cannot open serial port</source>
        <translation>cannot open serial port</translation>
    </message>
    <message>
        <source>device driver error, please check USB driver installation or USB connection</source>
        <translation>device driver error, please check USB driver installation or USB connection</translation>
    </message>
    <message>
        <source>No data received, please check instrument close or not</source>
        <translation>No data received, please check instrument close or not</translation>
    </message>
    <message>
        <source>Data have been read, do you read again?</source>
        <translation>Data have been read, do you read again?</translation>
    </message>
    <message>
        <source>Read Data error, please retry</source>
        <translation>Read Data error, please retry</translation>
    </message>
    <message>
        <source>Read Data OK</source>
        <translation>Read Data OK</translation>
    </message>
    <message>
        <source>Set date&amp;time OK</source>
        <translation>Set date&amp;time OK</translation>
    </message>
    <message>
        <source>Set date&amp;time error, please retry</source>
        <translation>Set date&amp;time error, please retry</translation>
    </message>
    <message>
        <source>The instrument keeps dates from 2000 to 2099 only</source>
        <translation>The instrument keeps dates from 2000 to 2099 only</translation>
    </message>
    <message>
        <source>do you erase current data? this operation will not be recover!</source>
        <translation>do you erase current data? this operation will not be recover!</translation>
    </message>
    <message>
        <source>Erase data OK, please retry</source>
        <translation>Erase data OK, please retry</translation>
    </message>
    <message>
        <source>Erase data error, please retry</source>
        <translation>Erase data error, please retry</translation>
    </message>
    <message>
        <source>The instrument was disconnected during the read-out. The results read before are kept; connect it again and read once more.</source>
        <translation>The instrument was disconnected during the read-out. The results read before are kept; connect it again and read once more.</translation>
    </message>
    <message>
        <source>The instrument was disconnected during the read-out, before any results were read. Connect it again and read once more.</source>
        <translation>The instrument was disconnected during the read-out, before any results were read. Connect it again and read once more.</translation>
    </message>
    <message>
        <source>The instrument was disconnected while its date and time were set. Connect it again and set them once more.</source>
        <translation>The instrument was disconnected while its date and time were set. Connect it again and set them once more.</translation>
    </message>
    <message>
        <source>The instrument was disconnected during the erase; it may not have erased. The results read before are kept; connect it again and read to see what it holds.</source>
        <translation>The instrument was disconnected during the erase; it may not have erased. The results read before are kept; connect it again and read to see what it holds.</translation>
    </message>
    <message>
        <source>Port message unknown</source>
        <translation>Port message unknown</translation>
    </message>
    <message>
        <source>port num at regedit error</source>
        <translation>port num at regedit error</translation>
    </message>
    <message>
        <source>Choose resistivity results, or a site in the tree, first.</source>
        <translation>Choose resistivity results, or a site in the tree, first.</translation>
    </message>
    <message>
        <source>Choose or make a site first.</source>
        <translation>Choose or make a site first.</translation>
    </message>
    <message>
        <source>Choose one or more results in the list first.</source>
        <translation>Choose one or more results in the list first.</translation>
    </message>
    <message>
        <source>Choose a site or one of its test points in the tree first.</source>
        <translation>Choose a site or one of its test points in the tree first.</translation>
    </message>
    <message>
        <source>The language could not be remembered.</source>
        <translation>The language could not be remembered.</translation>
    </message>
    <message>
        <source>Terrovane speaks the chosen language from its next start.</source>
        <translation>Terrovane speaks the chosen language from its next start.</translation>
    </message>
    <message>
        <source>The site could not be made: %1</source>
        <translation>The site could not be made: %1</translation>
    </message>
    <message>
        <source>The test point could not be made: %1</source>
        <translation>The test point could not be made: %1</translation>
    </message>
    <message>
        <source>The label could not be stored: %1</source>
        <translation>The label could not be stored: %1</translation>
    </message>
    <message>
        <source>The results could not be exported: %1</source>
        <translation>The results could not be exported: %1</translation>
    </message>
    <message>
        <source>The site report could not be written: %1</source>
        <translation>The site report could not be written: %1</translation>
    </message>
    <message>
        <source>Choose a site in the tree first.</source>
        <translation>Choose a site in the tree first.</translation>
    </message>
    <message>
        <source>Another program is writing to the archive. Try again in a moment.</source>
        <translation>Another program is writing to the archive. Try again in a moment.</translation>
    </message>
    <message>
        <source>The archive cannot be written. Check that you may write its file and its folder.</source>
        <translation>The archive cannot be written. Check that you may write its file and its folder.</translation>
    </message>
    <message>
        <source>The archive is damaged. Start Terrovane again: it moves the damaged file aside and starts a new archive.</source>
        <translation>The archive is damaged. Start Terrovane again: it moves the damaged file aside and starts a new archive.</translation>
    </message>
    <message>
        <source>Check that the archive&apos;s folder exists and belongs to you.</source>
        <translation>Check that the archive&apos;s folder exists and belongs to you.</translation>
    </message>
    <message>
        <source>Use the newer version of the program that wrote the archive.</source>
        <translation>Use the newer version of the program that wrote the archive.</translation>
    </message>
    <message>
        <source>Another program may have changed it meanwhile; the window now shows the archive as it is.</source>
        <translation>Another program may have changed it meanwhile; the window now shows the archive as it is.</translation>
    </message>
    <message numerus="yes">
        <source>Test point &quot;%1&quot; has %n result(s). Delete the point? Its results stay in the archive, unassigned.</source>
        <translation>
            <numerusform>Test point &quot;%1&quot; has %n result. Delete the point? Its results stay in the archive, unassigned.</numerusform>
            <numerusform>Test point &quot;%1&quot; has %n results. Delete the point? Its results stay in the archive, unassigned.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no site to copy yet: make one first.</source>
        <translation>There is no site to copy yet: make one first.</translation>
    </message>
    <message>
        <source>Choose the site of the new test point in the tree first.</source>
        <translation>Choose the site of the new test point in the tree first.</translation>
    </message>
    <message>
        <source>The sites could not be exported: %1</source>
        <translation>The sites could not be exported: %1</translation>
    </message>
    <message>
        <source>The due list could not be written: %1</source>
        <translation>The due list could not be written: %1</translation>
    </message>
    <message>
        <source>The firm&apos;s profile cannot be read: %1</source>
        <translation>The firm&apos;s profile cannot be read: %1</translation>
    </message>
    <message>
        <source>The firm&apos;s profile was not kept: %1</source>
        <translation>The firm&apos;s profile was not kept: %1</translation>
    </message>
    <message>
        <source>The report was not issued: %1</source>
        <translation>The report was not issued: %1</translation>
    </message>
    <message>
        <source>The team server issues report numbers to inspectors and admins only.</source>
        <translation>The team server issues report numbers to inspectors and admins only.</translation>
    </message>
    <message>
        <source>The issued report cannot be read: %1</source>
        <translation>The issued report cannot be read: %1</translation>
    </message>
    <message>
        <source>The issued report cannot be written: %1</source>
        <translation>The issued report cannot be written: %1</translation>
    </message>
    <message>
        <source>No program opens the PDF file %1.</source>
        <translation>No program opens the PDF file %1.</translation>
    </message>
    <message>
        <source>The certificates could not be written: %1</source>
        <translation>The certificates could not be written: %1</translation>
    </message>
    <message>
        <source>Delete this site with its test points and visits? Their results stay in the archive, unassigned.</source>
        <translation>Delete this site with its test points and visits? Their results stay in the archive, unassigned.</translation>
    </message>
    <message>
        <source>Delete the visit of %1? Its results stay in the archive with their test points.</source>
        <translation>Delete the visit of %1? Its results stay in the archive with their test points.</translation>
    </message>
    <message>
        <source>Choose the 3-pole results of one fall-of-potential run, or a test point to type a traverse in, first.</source>
        <translation>Choose the 3-pole results of one fall-of-potential run, or a test point to type a traverse in, first.</translation>
    </message>
</context>
<context>
    <name>MethodTexts</name>
    <message>
        <source>probe distances not recorded</source>
        <translation>probe distances not recorded</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>not recorded</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>probes: current %1, potential %2</source>
        <translation>probes: current %1, potential %2</translation>
    </message>
    <message>
        <source>test frequency not recorded</source>
        <translation>test frequency not recorded</translation>
    </message>
    <message>
        <source>test frequency %1</source>
        <translation>test frequency %1</translation>
    </message>
    <message>
        <source>Rs and Rh not recorded</source>
        <translation>Rs and Rh not recorded</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: doubtful, above %3</source>
        <translation>Rs %1, Rh %2: doubtful, above %3</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: not judged, one is missing</source>
        <translation>Rs %1, Rh %2: not judged, one is missing</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: valid, both at most %3</source>
        <translation>Rs %1, Rh %2: valid, both at most %3</translation>
    </message>
    <message>
        <source>method not recorded</source>
        <translation>method not recorded</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Visit of %1: weather %2; air %3; soil %4</source>
        <translation>Visit of %1: weather %2; air %3; soil %4</translation>
    </message>
</context>
<context>
    <name>NumberBox</name>
    <message>
        <source>%1: type a number, such as %2.</source>
        <translation>%1: type a number, such as %2.</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4.</source>
        <translation>%1: %2 is outside %3 to %4.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has a thousands separator; type the number without it, such as %3.</source>
        <translation>%1: &quot;%2&quot; has a thousands separator; type the number without it, such as %3.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; type one such as %3.</source>
        <translation>%1: &quot;%2&quot; is not a number; type one such as %3.</translation>
    </message>
    <message>
        <source>This field</source>
        <translation>This field</translation>
    </message>
</context>
<context>
    <name>PlotSaving</name>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF (*.pdf)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg);;PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save plot</source>
        <translation>Save plot</translation>
    </message>
    <message>
        <source>The plot could not be saved: %1</source>
        <translation>The plot could not be saved: %1</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Plot saved to %1</translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>Potential probe x / D</source>
        <translation>Potential probe x / D</translation>
    </message>
    <message>
        <source>Electrode spacing a (m)</source>
        <translation>Electrode spacing a (m)</translation>
    </message>
    <message>
        <source>Apparent resistivity (Ω·m)</source>
        <translation>Apparent resistivity (Ω·m)</translation>
    </message>
    <message>
        <source>Resistance (Ω)</source>
        <translation>Resistance (Ω)</translation>
    </message>
    <message>
        <source>61.8 %: %1 Ω</source>
        <translation>61.8 %: %1 Ω</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Model ± one sigma</source>
        <translation>Model ± one sigma</translation>
    </message>
    <message>
        <source>model: %1 %</source>
        <translation>model: %1 %</translation>
    </message>
    <message>
        <source>Surface potential</source>
        <translation>Surface potential</translation>
    </message>
    <message>
        <source>Touch voltage</source>
        <translation>Touch voltage</translation>
    </message>
    <message>
        <source>Tolerable touch voltage</source>
        <translation>Tolerable touch voltage</translation>
    </message>
    <message>
        <source>Distance along the line (m)</source>
        <translation>Distance along the line (m)</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volts</translation>
    </message>
</context>
<context>
    <name>PortChooser</name>
    <message>
        <source>Instrument port</source>
        <translation>Instrument port</translation>
    </message>
    <message>
        <source>Choose the instrument bridge that Read, Date&amp;Time and Erase use:</source>
        <translation>Choose the instrument bridge that Read, Date&amp;Time and Erase use:</translation>
    </message>
    <message>
        <source>No instrument bridge is attached.</source>
        <translation>No instrument bridge is attached.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Product id</source>
        <translation>Product id</translation>
    </message>
    <message>
        <source>USB serial</source>
        <translation>USB serial</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>USB path</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>
 Save data now，please wait for a minute...</source>
        <translation>
 Saving the data, please wait a minute...</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>
 Read data now，please do NOT terminate...</source>
        <translation>
 Reading the data, please do NOT interrupt...</translation>
    </message>
</context>
<context>
    <name>RapstelApp</name>
    <message>
        <source>打印任务已启动!</source>
        <translation>A print job is already running!</translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>yy-mm-dd</source>
        <translation>yy-mm-dd</translation>
    </message>
    <message>
        <source>hh-mm-ss</source>
        <translation>hh-mm-ss</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message numerus="yes">
        <source>%n layer(s) need %1 points,</source>
        <translation>
            <numerusform>%n layer needs %1 points,</numerusform>
            <numerusform>%n layers need %1 points,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>but there are only %n.</source>
        <translation>
            <numerusform>but there is only %n.</numerusform>
            <numerusform>but there are only %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Point %1: not a number.</source>
        <translation>Point %1: not a number.</translation>
    </message>
    <message>
        <source>Point %1: the spacing must be above 0 m.</source>
        <translation>Point %1: the spacing must be above 0 m.</translation>
    </message>
    <message>
        <source>Point %1: the apparent resistivity must be above 0 Ω·m.</source>
        <translation>Point %1: the apparent resistivity must be above 0 Ω·m.</translation>
    </message>
    <message>
        <source>Point %1: a spacing outside 1 mm to 100 km is no Wenner sounding.</source>
        <translation>Point %1: a spacing outside 1 mm to 100 km is no Wenner sounding.</translation>
    </message>
    <message>
        <source>Point %1: an apparent resistivity outside 1e-6 to 1e12 Ω·m is no soil.</source>
        <translation>Point %1: an apparent resistivity outside 1e-6 to 1e12 Ω·m is no soil.</translation>
    </message>
    <message>
        <source>Point %1: the spacing %2 m is already that of point %3.</source>
        <translation>Point %1: the spacing %2 m is already that of point %3.</translation>
    </message>
    <message>
        <source>The number of layers must be 1 to %1.</source>
        <translation>The number of layers must be 1 to %1.</translation>
    </message>
    <message>
        <source>The current-probe distance must be above 0 m and at most 100 km.</source>
        <translation>The current-probe distance must be above 0 m and at most 100 km.</translation>
    </message>
    <message>
        <source>At least two readings are needed.</source>
        <translation>At least two readings are needed.</translation>
    </message>
    <message>
        <source>Reading %1: not a number.</source>
        <translation>Reading %1: not a number.</translation>
    </message>
    <message>
        <source>Reading %1: the potential probe must be between the electrode and the current probe (0 to %2 m), not at %3 m.</source>
        <translation>Reading %1: the potential probe must be between the electrode and the current probe (0 to %2 m), not at %3 m.</translation>
    </message>
    <message>
        <source>Reading %1: the resistance must be above 0 Ω and at most 1e12 Ω.</source>
        <translation>Reading %1: the resistance must be above 0 Ω and at most 1e12 Ω.</translation>
    </message>
    <message>
        <source>Reading %1: the distance %2 m is already that of reading %3.</source>
        <translation>Reading %1: the distance %2 m is already that of reading %3.</translation>
    </message>
    <message>
        <source>61.8 % of D (%1 m) lies outside the readings (%2 m to %3 m): add readings on both sides of it.</source>
        <translation>61.8 % of D (%1 m) lies outside the readings (%2 m to %3 m): add readings on both sides of it.</translation>
    </message>
    <message>
        <source>The readings do not reach from 52 % to 72 % of D: the plateau was not checked.</source>
        <translation>The readings do not reach from 52 % to 72 % of D: the plateau was not checked.</translation>
    </message>
    <message>
        <source>The curve from 52 % to 72 % of D spreads over %1 % (more than 5 %): the potential probe is not on a plateau; move the current probe further out and measure again.</source>
        <translation>The curve from 52 % to 72 % of D spreads over %1 % (more than 5 %): the potential probe is not on a plateau; move the current probe further out and measure again.</translation>
    </message>
    <message>
        <source>No readings at 20 %, 40 % and 60 % of D: no slope method.</source>
        <translation>No readings at 20 %, 40 % and 60 % of D: no slope method.</translation>
    </message>
    <message>
        <source>The slope coefficient mu = %1 lies outside the slope table (0.40 to 1.59): move the current probe further out.</source>
        <translation>The slope coefficient mu = %1 lies outside the slope table (0.40 to 1.59): move the current probe further out.</translation>
    </message>
    <message>
        <source>The slope method&apos;s Pt = %1 m lies outside the readings.</source>
        <translation>The slope method&apos;s Pt = %1 m lies outside the readings.</translation>
    </message>
    <message>
        <source>Point %1: MN/2 must be above 0 m and below AB/2, %2 m.</source>
        <translation>Point %1: MN/2 must be above 0 m and below AB/2, %2 m.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>第 %d 页</source>
        <translation>Page %d</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>日期
yy-mm-dd</source>
        <translation>Date
yy-mm-dd</translation>
    </message>
    <message>
        <source>时间
hh-mm-ss</source>
        <translation>Time
hh-mm-ss</translation>
    </message>
    <message>
        <source>电压
(V)</source>
        <translation>Volt
(V)</translation>
    </message>
    <message>
        <source>频率
(Hz)</source>
        <translation>Freq
(Hz)</translation>
    </message>
    <message>
        <source>Re
(Ω)</source>
        <translation>Re
(Ω)</translation>
    </message>
    <message>
        <source>Rs
(Ω)</source>
        <translation>Rs
(Ω)</translation>
    </message>
    <message>
        <source>Rh
(Ω)</source>
        <translation>Rh
(Ω)</translation>
    </message>
    <message>
        <source>Rac
(Ω)</source>
        <translation>Rac
(Ω)</translation>
    </message>
    <message>
        <source>R1
(Ω)</source>
        <translation>R1
(Ω)</translation>
    </message>
    <message>
        <source>R2
(Ω)</source>
        <translation>R2
(Ω)</translation>
    </message>
    <message>
        <source>电阻率
(Ω*m)</source>
        <translation>Soil ρ
(Ω*m)</translation>
    </message>
    <message>
        <source>Rk
(Ω)</source>
        <translation>Rk
(Ω)</translation>
    </message>
    <message>
        <source>Fst
(Hz)</source>
        <translation>Fst
(Hz)</translation>
    </message>
    <message>
        <source>Ust
(V)</source>
        <translation>Ust
(V)</translation>
    </message>
    <message>
        <source>Iac
(A)</source>
        <translation>Iac
(A)</translation>
    </message>
    <message>
        <source>距离
(m)</source>
        <translation>d
(m)</translation>
    </message>
    <message>
        <source>
接地电阻测试仪    
Test Report of Earth/Ground Tester</source>
        <translation>
Test Report
Earth/Ground Resistance Tester</translation>
    </message>
    <message>
        <source>
测试对象
Object</source>
        <translation>
Test object</translation>
    </message>
    <message>
        <source>
仪表编号
Instrument S/N</source>
        <translation>
Instrument S/N</translation>
    </message>
    <message>
        <source>
测  试 人
Name</source>
        <translation>
Tester</translation>
    </message>
    <message>
        <source>
日    期
Date</source>
        <translation>
Date</translation>
    </message>
</context>
<context>
    <name>ResultWords</name>
    <message>
        <source>pass</source>
        <translation>pass</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>fail</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>rod</source>
        <translation>rod</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>grid</translation>
    </message>
    <message>
        <source>mesh</source>
        <translation>mesh</translation>
    </message>
    <message>
        <source>tower leg</source>
        <translation>tower leg</translation>
    </message>
    <message>
        <source>down conductor</source>
        <translation>down conductor</translation>
    </message>
    <message>
        <source>other</source>
        <translation>other</translation>
    </message>
    <message numerus="yes">
        <source>%n passed</source>
        <translation>
            <numerusform>%n passed</numerusform>
            <numerusform>%n passed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n failed</numerusform>
            <numerusform>%n failed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without limit</source>
        <translation>
            <numerusform>%n without limit</numerusform>
            <numerusform>%n without limit</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not tested</source>
        <translation>
            <numerusform>%n not tested</numerusform>
            <numerusform>%n not tested</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>SafetyMap</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
</context>
<context>
    <name>SiteReport</name>
    <message>
        <source>not estimated</source>
        <translation>not estimated</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>Soil model</translation>
    </message>
    <message>
        <source>Stored %1; layers: %2; RMS error %3 %</source>
        <translation>Stored %1; layers: %2; RMS error %3 %</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Layer</translation>
    </message>
    <message>
        <source>Resistivity (Ω·m)</source>
        <translation>Resistivity (Ω·m)</translation>
    </message>
    <message>
        <source>Thickness (m)</source>
        <translation>Thickness (m)</translation>
    </message>
    <message>
        <source>Depth to base (m)</source>
        <translation>Depth to base (m)</translation>
    </message>
    <message>
        <source>Fall of potential: </source>
        <translation>Fall of potential: </translation>
    </message>
    <message>
        <source>Stored %1; current probe D = %2 m; %3 readings</source>
        <translation>Stored %1; current probe D = %2 m; %3 readings</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Jamming</source>
        <translation>Jamming</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>all results</source>
        <translation>all results</translation>
    </message>
    <message>
        <source> to </source>
        <translation> to </translation>
    </message>
    <message>
        <source>Earth resistance test report</source>
        <translation>Earth resistance test report</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Instrument serial</source>
        <translation>Instrument serial</translation>
    </message>
    <message>
        <source>– (not recorded by the instrument&apos;s read-out)</source>
        <translation>– (not recorded by the instrument&apos;s read-out)</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Date range</translation>
    </message>
    <message>
        <source>no result in the date range</source>
        <translation>no result in the date range</translation>
    </message>
    <message>
        <source>and %1 earlier results</source>
        <translation>and %1 earlier results</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Site report: </source>
        <translation>Site report: </translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>below</source>
        <translation>below</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>earlier</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Summary: %1</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>square</source>
        <translation>square</translation>
    </message>
    <message>
        <source>L-shaped (a corner of %1 m x %2 m cut out)</source>
        <translation>L-shaped (a corner of %1 m x %2 m cut out)</translation>
    </message>
    <message>
        <source>rectangular</source>
        <translation>rectangular</translation>
    </message>
    <message>
        <source>Rods: none</source>
        <translation>Rods: none</translation>
    </message>
    <message>
        <source>inside the grid</source>
        <translation>inside the grid</translation>
    </message>
    <message>
        <source>at the corners</source>
        <translation>at the corners</translation>
    </message>
    <message>
        <source>on the perimeter</source>
        <translation>on the perimeter</translation>
    </message>
    <message>
        <source>Rods: %1 of %2 m, %3 m in diameter, %4</source>
        <translation>Rods: %1 of %2 m, %3 m in diameter, %4</translation>
    </message>
    <message>
        <source>grid current %1 A</source>
        <translation>grid current %1 A</translation>
    </message>
    <message>
        <source>fault current 3I0 %1 A, split factor %2, X/R %3 at %4 Hz</source>
        <translation>fault current 3I0 %1 A, split factor %2, X/R %3 at %4 Hz</translation>
    </message>
    <message>
        <source>Fault: %1 for %2 s; body of %3 kg</source>
        <translation>Fault: %1 for %2 s; body of %3 kg</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, the stored one-layer model</source>
        <translation>Soil: %1 Ω·m, the stored one-layer model</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, the %2-layer model&apos;s Wenner apparent resistivity at the equivalent radius %3 m</source>
        <translation>Soil: %1 Ω·m, the %2-layer model&apos;s Wenner apparent resistivity at the equivalent radius %3 m</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, as typed</source>
        <translation>Soil: %1 Ω·m, as typed</translation>
    </message>
    <message>
        <source>Touch voltage (mesh voltage Em)</source>
        <translation>Touch voltage (mesh voltage Em)</translation>
    </message>
    <message>
        <source>Step voltage Es</source>
        <translation>Step voltage Es</translation>
    </message>
    <message>
        <source>Ground potential rise</source>
        <translation>Ground potential rise</translation>
    </message>
    <message>
        <source>Permissible touch voltage (EN 50522)</source>
        <translation>Permissible touch voltage (EN 50522)</translation>
    </message>
    <message>
        <source>%1 Ω</source>
        <translation>%1 Ω</translation>
    </message>
    <message>
        <source>Grid resistance Rg (Sverak)</source>
        <translation>Grid resistance Rg (Sverak)</translation>
    </message>
    <message>
        <source>Grid resistance (Schwarz)</source>
        <translation>Grid resistance (Schwarz)</translation>
    </message>
    <message>
        <source>Grid current IG</source>
        <translation>Grid current IG</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>Surface layer factor Cs</source>
        <translation>Surface layer factor Cs</translation>
    </message>
    <message>
        <source>Earthing grid safety</source>
        <translation>Earthing grid safety</translation>
    </message>
    <message>
        <source>EN 50522:2010</source>
        <translation>EN 50522:2010</translation>
    </message>
    <message>
        <source>IEEE Std 80-2013</source>
        <translation>IEEE Std 80-2013</translation>
    </message>
    <message>
        <source>Stored %1; judged after %2</source>
        <translation>Stored %1; judged after %2</translation>
    </message>
    <message>
        <source>Grid: %1, %2 m x %3 m, %4 x %5 conductors of %6 m, %7 m deep</source>
        <translation>Grid: %1, %2 m x %3 m, %4 x %5 conductors of %6 m, %7 m deep</translation>
    </message>
    <message>
        <source>Surface layer: %1 Ω·m, %2 m thick</source>
        <translation>Surface layer: %1 Ω·m, %2 m thick</translation>
    </message>
    <message>
        <source>Surface layer: none</source>
        <translation>Surface layer: none</translation>
    </message>
    <message>
        <source>Tolerable</source>
        <translation>Tolerable</translation>
    </message>
    <message>
        <source>Computed</source>
        <translation>Computed</translation>
    </message>
    <message>
        <source>Verdict: safe</source>
        <translation>Verdict: safe</translation>
    </message>
    <message>
        <source>Verdict: not safe</source>
        <translation>Verdict: not safe</translation>
    </message>
    <message>
        <source>Left out of the sounding, and why:</source>
        <translation>Left out of the sounding, and why:</translation>
    </message>
    <message>
        <source>Left off the curve, and why:</source>
        <translation>Left off the curve, and why:</translation>
    </message>
    <message>
        <source>newer, failed</source>
        <translation>newer, failed</translation>
    </message>
    <message>
        <source>Verdict: not shown safe (the soil is not known well enough)</source>
        <translation>Verdict: not shown safe (the soil is not known well enough)</translation>
    </message>
    <message>
        <source>uniform, %1 Ω·m</source>
        <translation>uniform, %1 Ω·m</translation>
    </message>
    <message>
        <source>%1 Ω·m of %2 m</source>
        <translation>%1 Ω·m of %2 m</translation>
    </message>
    <message>
        <source>%1 Ω·m below</source>
        <translation>%1 Ω·m below</translation>
    </message>
    <message>
        <source>(%1 m, %2 m)</source>
        <translation>(%1 m, %2 m)</translation>
    </message>
    <message>
        <source>Computed in the soil (%1): largest touch voltage %2 at %3, largest step voltage %4 at %5</source>
        <translation>Computed in the soil (%1): largest touch voltage %2 at %3, largest step voltage %4 at %5</translation>
    </message>
    <message>
        <source>Hatched and bordered: the ground at or above the limit. The grid&apos;s corner is at 0, 0; the maps reach 3 m beyond it.</source>
        <translation>Hatched and bordered: the ground at or above the limit. The grid&apos;s corner is at 0, 0; the maps reach 3 m beyond it.</translation>
    </message>
    <message>
        <source>Touch voltage, limit %1</source>
        <translation>Touch voltage, limit %1</translation>
    </message>
    <message>
        <source>Step voltage, limit %1</source>
        <translation>Step voltage, limit %1</translation>
    </message>
    <message>
        <source>Accreditation / licence: %1</source>
        <translation>Accreditation / licence: %1</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>not tested in the date range</source>
        <translation>not tested in the date range</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>not recorded</translation>
    </message>
    <message>
        <source>Due again</source>
        <translation>Due again</translation>
    </message>
    <message>
        <source>no interval set</source>
        <translation>no interval set</translation>
    </message>
    <message>
        <source>Earth resistance test certificate</source>
        <translation>Earth resistance test certificate</translation>
    </message>
    <message>
        <source>Certificate %1 of %2</source>
        <translation>Certificate %1 of %2</translation>
    </message>
    <message>
        <source>Test certificates: </source>
        <translation>Test certificates: </translation>
    </message>
    <message>
        <source>this photo cannot be shown: %1</source>
        <translation>this photo cannot be shown: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>Tested by</source>
        <translation>Tested by</translation>
    </message>
    <message>
        <source>Checked by</source>
        <translation>Checked by</translation>
    </message>
    <message>
        <source>Name: ____________</source>
        <translation>Name: ____________</translation>
    </message>
    <message>
        <source>Signature, date: %1</source>
        <translation>Signature, date: %1</translation>
    </message>
    <message>
        <source>Result and signatures</source>
        <translation>Result and signatures</translation>
    </message>
    <message>
        <source>Verdicts: %1</source>
        <translation>Verdicts: %1</translation>
    </message>
    <message>
        <source>Each point was judged by its newest result that measured, against the limit shown with it.</source>
        <translation>Each point was judged by its newest result that measured, against the limit shown with it.</translation>
    </message>
    <message>
        <source>Newest result</source>
        <translation>Newest result</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>not tested</translation>
    </message>
    <message>
        <source>Summary of the test points</source>
        <translation>Summary of the test points</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Method: %1</translation>
    </message>
    <message>
        <source>Conditions not recorded (no visit on %1)</source>
        <translation>Conditions not recorded (no visit on %1)</translation>
    </message>
    <message>
        <source>no visit recorded</source>
        <translation>no visit recorded</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Phone: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-mail: %1</translation>
    </message>
    <message>
        <source>(no firm set)</source>
        <translation>(no firm set)</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Draft</translation>
    </message>
    <message>
        <source>Report %1, revision %2</source>
        <translation>Report %1, revision %2</translation>
    </message>
    <message>
        <source>not issued</source>
        <translation>not issued</translation>
    </message>
    <message>
        <source>Report number</source>
        <translation>Report number</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Issue date</source>
        <translation>Issue date</translation>
    </message>
    <message>
        <source>Visits</source>
        <translation>Visits</translation>
    </message>
    <message>
        <source>Prepared by</source>
        <translation>Prepared by</translation>
    </message>
    <message>
        <source>Measured by %1, typed in by %2, instrument %3</source>
        <translation>Measured by %1, typed in by %2, instrument %3</translation>
    </message>
</context>
<context>
    <name>SoilWindow</name>
    <message>
        <source>not estimated</source>
        <translation>not estimated</translation>
    </message>
    <message>
        <source>Soil model - %1</source>
        <translation>Soil model - %1</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>Soil model</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Layers:</translation>
    </message>
    <message>
        <source>Thickness (m)</source>
        <translation>Thickness (m)</translation>
    </message>
    <message>
        <source>Depth to base (m)</source>
        <translation>Depth to base (m)</translation>
    </message>
    <message>
        <source>Save plot...</source>
        <translation>Save plot...</translation>
    </message>
    <message>
        <source>Save model...</source>
        <translation>Save model...</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>Store with %1</translation>
    </message>
    <message>
        <source>Store with site</source>
        <translation>Store with site</translation>
    </message>
    <message>
        <source>The results belong to no one site: choose a site in the archive window</source>
        <translation>The results belong to no one site: choose a site in the archive window</translation>
    </message>
    <message>
        <source>; the best model found is shown</source>
        <translation>; the best model found is shown</translation>
    </message>
    <message>
        <source>There is no model to save</source>
        <translation>There is no model to save</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Save model</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Model saved</source>
        <translation>Model saved</translation>
    </message>
    <message>
        <source>Model stored with %1</source>
        <translation>Model stored with %1</translation>
    </message>
    <message>
        <source>No resistivity results (mode 9) with a distance among the chosen results.</source>
        <translation>No resistivity results (mode 9) with a distance among the chosen results.</translation>
    </message>
    <message numerus="yes">
        <source>%n layer(s), RMS error %1 %</source>
        <translation>
            <numerusform>%n layer, RMS error %1 %</numerusform>
            <numerusform>%n layers, RMS error %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>below</source>
        <translation>below</translation>
    </message>
    <message>
        <source>Resolved</source>
        <translation>Resolved</translation>
    </message>
    <message>
        <source>Grid safety...</source>
        <translation>Grid safety...</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Stored %1</source>
        <translation>Stored %1</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) are no resistivity reading and left out</source>
        <translation>
            <numerusform>%n result is no resistivity reading and left out</numerusform>
            <numerusform>%n results are no resistivity reading and left out</numerusform>
        </translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>Resistivity (Ω·m)</source>
        <translation>Resistivity (Ω·m)</translation>
    </message>
    <message>
        <source>Readings typed in</source>
        <translation>Readings typed in</translation>
    </message>
    <message>
        <source>A sounding measured with another instrument, typed in spacing by spacing</source>
        <translation>A sounding measured with another instrument, typed in spacing by spacing</translation>
    </message>
    <message>
        <source>Type at least two readings: the spacing and what was read there.</source>
        <translation>Type at least two readings: the spacing and what was read there.</translation>
    </message>
    <message>
        <source>Typed sounding kept with %1</source>
        <translation>Typed sounding kept with %1</translation>
    </message>
    <message>
        <source>A Schlumberger sounding&apos;s model is shown and saved, not stored with the site: a stored model keeps Wenner spacings only.</source>
        <translation>A Schlumberger sounding&apos;s model is shown and saved, not stored with the site: a stored model keeps Wenner spacings only.</translation>
    </message>
    <message>
        <source>The fit models each Schlumberger reading where its electrodes stood: type the MN/2 of every reading.</source>
        <translation>The fit models each Schlumberger reading where its electrodes stood: type the MN/2 of every reading.</translation>
    </message>
</context>
<context>
    <name>SyncErrors</name>
    <message>
        <source>The team server cannot be reached. Nothing is lost: the changes wait here until the next sync.</source>
        <translation>The team server cannot be reached. Nothing is lost: the changes wait here until the next sync.</translation>
    </message>
    <message>
        <source>The team server refused the sign-in. Check the user name and password.</source>
        <translation>The team server refused the sign-in. Check the user name and password.</translation>
    </message>
    <message>
        <source>You are not a member of the team (any more). Ask the office.</source>
        <translation>You are not a member of the team (any more). Ask the office.</translation>
    </message>
    <message>
        <source>The team server is newer than this program. Update this program; nothing was changed.</source>
        <translation>The team server is newer than this program. Update this program; nothing was changed.</translation>
    </message>
    <message>
        <source>This archive syncs with another team server; nothing was changed.</source>
        <translation>This archive syncs with another team server; nothing was changed.</translation>
    </message>
    <message>
        <source>The archive could not be read or written.</source>
        <translation>The archive could not be read or written.</translation>
    </message>
    <message>
        <source>The team server reported an error.</source>
        <translation>The team server reported an error.</translation>
    </message>
    <message>
        <source>The team server is still writing changes of others. Sync again in a moment.</source>
        <translation>The team server is still writing changes of others. Sync again in a moment.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What was sent and received is kept; the next sync goes on from there.</source>
        <translation>The sync was cancelled. What was sent and received is kept; the next sync goes on from there.</translation>
    </message>
    <message>
        <source>The team server is older than this program. Its owner runs &quot;terrovane-cli team upgrade&quot;; nothing was changed.</source>
        <translation>The team server is older than this program. Its owner runs &quot;terrovane-cli team upgrade&quot;; nothing was changed.</translation>
    </message>
    <message>
        <source>This archive belongs to another login of the team. Sign in as the login that synced it first, or start a new archive for this login; nothing was changed.</source>
        <translation>This archive belongs to another login of the team. Sign in as the login that synced it first, or start a new archive for this login; nothing was changed.</translation>
    </message>
    <message>
        <source>The database is not set up as a team archive yet (it has no team schema): the office sets it up with &quot;terrovane-cli team init&quot;.</source>
        <translation>The database is not set up as a team archive yet (it has no team schema): the office sets it up with &quot;terrovane-cli team init&quot;.</translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message>
        <source>Sent: %1, received: %2, in conflict: %3, not yet sent: %4.</source>
        <translation>Sent: %1, received: %2, in conflict: %3, not yet sent: %4.</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>The archive was damaged; it was moved aside as %1 and a new one started. </source>
        <translation>The archive was damaged; it was moved aside as %1 and a new one started. </translation>
    </message>
</context>
<context>
    <name>TeamLink</name>
    <message>
        <source>Connection: not encrypted (a local socket; nothing crosses a network).</source>
        <translation>Connection: not encrypted (a local socket; nothing crosses a network).</translation>
    </message>
    <message>
        <source>Connection: NOT encrypted. The server&apos;s connection string asks for sslmode=%1.</source>
        <translation>Connection: NOT encrypted. The server&apos;s connection string asks for sslmode=%1.</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is verified, its authority and its name.</source>
        <translation>Connection: encrypted (%1); the server&apos;s certificate is verified, its authority and its name.</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is verified against its authority, but not its name.</source>
        <translation>Connection: encrypted (%1); the server&apos;s certificate is verified against its authority, but not its name.</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is not verified. Name its root certificate with sslrootcert to verify it.</source>
        <translation>Connection: encrypted (%1); the server&apos;s certificate is not verified. Name its root certificate with sslrootcert to verify it.</translation>
    </message>
    <message>
        <source>The team server offers no encrypted connection (TLS), so nothing was sent, the password least of all. Ask the office to turn TLS on at the server; only on a network you trust, add sslmode=disable to the server&apos;s connection string.</source>
        <translation>The team server offers no encrypted connection (TLS), so nothing was sent, the password least of all. Ask the office to turn TLS on at the server; only on a network you trust, add sslmode=disable to the server&apos;s connection string.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Mount</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>TypedMethods</name>
    <message>
        <source>3-pole earth resistance</source>
        <translation>3-pole earth resistance</translation>
    </message>
    <message>
        <source>4-pole earth resistance</source>
        <translation>4-pole earth resistance</translation>
    </message>
    <message>
        <source>3-pole with clamp (selective)</source>
        <translation>3-pole with clamp (selective)</translation>
    </message>
    <message>
        <source>4-pole with clamp (selective)</source>
        <translation>4-pole with clamp (selective)</translation>
    </message>
    <message>
        <source>Two clamps (stakeless)</source>
        <translation>Two clamps (stakeless)</translation>
    </message>
    <message>
        <source>2-pole AC resistance</source>
        <translation>2-pole AC resistance</translation>
    </message>
    <message>
        <source>2-pole DC resistance</source>
        <translation>2-pole DC resistance</translation>
    </message>
    <message>
        <source>4-pole DC resistance</source>
        <translation>4-pole DC resistance</translation>
    </message>
    <message>
        <source>Soil resistivity</source>
        <translation>Soil resistivity</translation>
    </message>
    <message>
        <source>AC current</source>
        <translation>AC current</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>Fall of potential</translation>
    </message>
    <message>
        <source>Slope method</source>
        <translation>Slope method</translation>
    </message>
    <message>
        <source>Clamp-on tester</source>
        <translation>Clamp-on tester</translation>
    </message>
    <message>
        <source>Two-point method</source>
        <translation>Two-point method</translation>
    </message>
    <message>
        <source>Star-delta method</source>
        <translation>Star-delta method</translation>
    </message>
</context>
<context>
    <name>TypedReadings</name>
    <message numerus="yes">
        <source>%n reading(s)</source>
        <translation>
            <numerusform>%n reading</numerusform>
            <numerusform>%n readings</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Kept:</source>
        <translation>&amp;Kept:</translation>
    </message>
    <message>
        <source>Re (Ω)</source>
        <translation>Re (Ω)</translation>
    </message>
    <message>
        <source>Keep typed traverse</source>
        <translation>Keep typed traverse</translation>
    </message>
    <message>
        <source>Keeps the readings with the test point as they were measured, like a result</source>
        <translation>Keeps the readings with the test point as they were measured, like a result</translation>
    </message>
    <message>
        <source>New traverse</source>
        <translation>New traverse</translation>
    </message>
    <message>
        <source>Spacing a (m)</source>
        <translation>Spacing a (m)</translation>
    </message>
    <message>
        <source>AB/2 (m)</source>
        <translation>AB/2 (m)</translation>
    </message>
    <message>
        <source>Wenner</source>
        <translation>Wenner</translation>
    </message>
    <message>
        <source>Schlumberger</source>
        <translation>Schlumberger</translation>
    </message>
    <message>
        <source>&amp;Array:</source>
        <translation>&amp;Array:</translation>
    </message>
    <message>
        <source>Resistance R (Ω)</source>
        <translation>Resistance R (Ω)</translation>
    </message>
    <message>
        <source>Apparent resistivity ρ (Ω·m)</source>
        <translation>Apparent resistivity ρ (Ω·m)</translation>
    </message>
    <message>
        <source>&amp;Read:</source>
        <translation>&amp;Read:</translation>
    </message>
    <message>
        <source>R (Ω)</source>
        <translation>R (Ω)</translation>
    </message>
    <message>
        <source>Keep typed sounding</source>
        <translation>Keep typed sounding</translation>
    </message>
    <message>
        <source>Keeps the readings with the site as they were measured, like a result</source>
        <translation>Keeps the readings with the site as they were measured, like a result</translation>
    </message>
    <message>
        <source>ρ (Ω·m)</source>
        <translation>ρ (Ω·m)</translation>
    </message>
    <message>
        <source>Row %1: a spacing and a reading are numbers above 0.</source>
        <translation>Row %1: a spacing and a reading are numbers above 0.</translation>
    </message>
    <message>
        <source>New sounding</source>
        <translation>New sounding</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Remove row</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, row %2</translation>
    </message>
    <message>
        <source>Measured &amp;on:</source>
        <translation>Measured &amp;on:</translation>
    </message>
    <message>
        <source>make, model, serial</source>
        <translation>make, model, serial</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Instrument:</translation>
    </message>
    <message>
        <source>Measured &amp;by:</source>
        <translation>Measured &amp;by:</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>No&amp;te:</translation>
    </message>
    <message>
        <source>MN/2 (m)</source>
        <translation>MN/2 (m)</translation>
    </message>
    <message>
        <source>Row %1: MN/2 must be below AB/2, %2 m.</source>
        <translation>Row %1: MN/2 must be below AB/2, %2 m.</translation>
    </message>
</context>
<context>
    <name>ValidityNotes</name>
    <message>
        <source>the instrument stored a failed reading</source>
        <translation>the instrument stored a failed reading</translation>
    </message>
    <message>
        <source>jamming voltage %1 V above %2 V</source>
        <translation>jamming voltage %1 V above %2 V</translation>
    </message>
    <message>
        <source>Rs %1 above %2</source>
        <translation>Rs %1 above %2</translation>
    </message>
    <message>
        <source>Rh %1 above %2</source>
        <translation>Rh %1 above %2</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>soil %1</source>
        <translation>soil %1</translation>
    </message>
    <message>
        <source>dry</source>
        <translation>dry</translation>
    </message>
    <message>
        <source>moist</source>
        <translation>moist</translation>
    </message>
    <message>
        <source>wet</source>
        <translation>wet</translation>
    </message>
    <message>
        <source>frozen</source>
        <translation>frozen</translation>
    </message>
    <message>
        <source>The calibration of %1 was due on %2, before the visit.</source>
        <translation>The calibration of %1 was due on %2, before the visit.</translation>
    </message>
    <message>
        <source>The calibration of %1 (serial %2) was due on %3, before the visit.</source>
        <translation>The calibration of %1 (serial %2) was due on %3, before the visit.</translation>
    </message>
</context>
<context>
    <name>WorkbookColumns</name>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>日期(Date)</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>时间(Time)</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Voltage(V)</source>
        <translation>Voltage(V)</translation>
    </message>
    <message>
        <source>Frequency(Hz)</source>
        <translation>Frequency(Hz)</translation>
    </message>
    <message>
        <source>Re(Ω)</source>
        <translation>Re(Ω)</translation>
    </message>
    <message>
        <source>Rs(Ω)</source>
        <translation>Rs(Ω)</translation>
    </message>
    <message>
        <source>Rh(Ω)</source>
        <translation>Rh(Ω)</translation>
    </message>
    <message>
        <source>Rac(Ω)</source>
        <translation>Rac(Ω)</translation>
    </message>
    <message>
        <source>R1(Ω)</source>
        <translation>R1(Ω)</translation>
    </message>
    <message>
        <source>R2(Ω)</source>
        <translation>R2(Ω)</translation>
    </message>
    <message>
        <source>Resistivity(Ω*m)</source>
        <translation>Resistivity(Ω*m)</translation>
    </message>
    <message>
        <source>Rk(Ω)</source>
        <translation>Rk(Ω)</translation>
    </message>
    <message>
        <source>Jamming Frequency(HZ)</source>
        <translation>Jamming Frequency(HZ)</translation>
    </message>
    <message>
        <source>Jamming Voltage(V)</source>
        <translation>Jamming Voltage(V)</translation>
    </message>
    <message>
        <source>Jamming (A) Current</source>
        <translation>Jamming (A) Current</translation>
    </message>
    <message>
        <source>Distance(m)</source>
        <translation>Distance(m)</translation>
    </message>
</context>
<context>
    <name>terrovane::engineering::GridMapView</name>
    <message>
        <source>Touch voltage</source>
        <translation>Touch voltage</translation>
    </message>
    <message>
        <source>Step voltage</source>
        <translation>Step voltage</translation>
    </message>
    <message>
        <source>Save map...</source>
        <translation>Save map...</translation>
    </message>
    <message>
        <source>There is no map yet: compute in the soil model first.</source>
        <translation>There is no map yet: compute in the soil model first.</translation>
    </message>
</context>
<context>
    <name>terrovane::engineering::GridProfileView</name>
    <message>
        <source>From x</source>
        <translation>From x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>to x</source>
        <translation>to x</translation>
    </message>
    <message>
        <source>In metres from the grid&apos;s corner; or drag a line across the map.</source>
        <translation>In metres from the grid&apos;s corner; or drag a line across the map.</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <translation>Save profile...</translation>
    </message>
    <message>
        <source>There is no profile yet: compute in the soil model and choose a line first.</source>
        <translation>There is no profile yet: compute in the soil model and choose a line first.</translation>
    </message>
</context>
<context>
    <name>terrovane::engineering::GridWindow</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Grid safety - %1</source>
        <translation>Grid safety - %1</translation>
    </message>
    <message>
        <source>Grid safety</source>
        <translation>Grid safety</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>L-shaped</source>
        <translation>L-shaped</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Shape</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Conductors along the length</source>
        <translation>Conductors along the length</translation>
    </message>
    <message>
        <source>Conductors along the width</source>
        <translation>Conductors along the width</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Conductor diameter</source>
        <translation>Conductor diameter</translation>
    </message>
    <message>
        <source>Cut-out length (L)</source>
        <translation>Cut-out length (L)</translation>
    </message>
    <message>
        <source>Cut-out width (L)</source>
        <translation>Cut-out width (L)</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>Rods</translation>
    </message>
    <message>
        <source>On the perimeter</source>
        <translation>On the perimeter</translation>
    </message>
    <message>
        <source>At the corners</source>
        <translation>At the corners</translation>
    </message>
    <message>
        <source>Inside the grid</source>
        <translation>Inside the grid</translation>
    </message>
    <message>
        <source>Number of rods</source>
        <translation>Number of rods</translation>
    </message>
    <message>
        <source>Rod length</source>
        <translation>Rod length</translation>
    </message>
    <message>
        <source>Rod diameter</source>
        <translation>Rod diameter</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>Surface layer (crushed rock)</source>
        <translation>Surface layer (crushed rock)</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Resistivity</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Surface resistivity</source>
        <translation>Surface resistivity</translation>
    </message>
    <message>
        <source>Surface thickness</source>
        <translation>Surface thickness</translation>
    </message>
    <message>
        <source>Fault and body</source>
        <translation>Fault and body</translation>
    </message>
    <message>
        <source>Grid current IG</source>
        <translation>Grid current IG</translation>
    </message>
    <message>
        <source>Fault current 3I0</source>
        <translation>Fault current 3I0</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>70 kg</source>
        <translation>70 kg</translation>
    </message>
    <message>
        <source>50 kg</source>
        <translation>50 kg</translation>
    </message>
    <message>
        <source>IEEE Std 80-2013</source>
        <translation>IEEE Std 80-2013</translation>
    </message>
    <message>
        <source>EN 50522:2010</source>
        <translation>EN 50522:2010</translation>
    </message>
    <message>
        <source>Standing resistance of the feet</source>
        <translation>Standing resistance of the feet</translation>
    </message>
    <message>
        <source>Current given</source>
        <translation>Current given</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Split factor Sf</source>
        <translation>Split factor Sf</translation>
    </message>
    <message>
        <source>X/R</source>
        <translation>X/R</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Fault duration</source>
        <translation>Fault duration</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Footwear (EN 50522)</source>
        <translation>Footwear (EN 50522)</translation>
    </message>
    <message>
        <source>Soil</source>
        <translation>Soil</translation>
    </message>
    <message>
        <source>Typed resistivity</source>
        <translation>Typed resistivity</translation>
    </message>
    <message>
        <source>Soil from</source>
        <translation>Soil from</translation>
    </message>
    <message>
        <source>Tolerable</source>
        <translation>Tolerable</translation>
    </message>
    <message>
        <source>Find the smallest grid that is safe</source>
        <translation>Find the smallest grid that is safe</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>Store with %1</translation>
    </message>
    <message>
        <source>Store with site</source>
        <translation>Store with site</translation>
    </message>
    <message>
        <source>Open the window from a site to keep the assessment with it</source>
        <translation>Open the window from a site to keep the assessment with it</translation>
    </message>
    <message>
        <source>%1 must be above zero.</source>
        <translation>%1 must be above zero.</translation>
    </message>
    <message>
        <source>%1 must not be negative.</source>
        <translation>%1 must not be negative.</translation>
    </message>
    <message>
        <source>%1: at least 2.</source>
        <translation>%1: at least 2.</translation>
    </message>
    <message>
        <source>%1 is 50 or 70 kg.</source>
        <translation>%1 is 50 or 70 kg.</translation>
    </message>
    <message>
        <source>%1 is at most 1.</source>
        <translation>%1 is at most 1.</translation>
    </message>
    <message>
        <source>%1 must be smaller than the grid.</source>
        <translation>%1 must be smaller than the grid.</translation>
    </message>
    <message>
        <source>%1 does not fall on a conductor: the conductors&apos; spacing does not fit it.</source>
        <translation>%1 does not fall on a conductor: the conductors&apos; spacing does not fit it.</translation>
    </message>
    <message>
        <source>A square grid has equal length and width and as many conductors each way.</source>
        <translation>A square grid has equal length and width and as many conductors each way.</translation>
    </message>
    <message>
        <source>The soil&apos;s resistivity must be above zero.</source>
        <translation>The soil&apos;s resistivity must be above zero.</translation>
    </message>
    <message>
        <source>Touch voltage (mesh voltage Em)</source>
        <translation>Touch voltage (mesh voltage Em)</translation>
    </message>
    <message>
        <source>Step voltage Es</source>
        <translation>Step voltage Es</translation>
    </message>
    <message>
        <source>Ground potential rise</source>
        <translation>Ground potential rise</translation>
    </message>
    <message>
        <source>Permissible touch voltage U_Tp (EN 50522)</source>
        <translation>Permissible touch voltage U_Tp (EN 50522)</translation>
    </message>
    <message>
        <source>Earth potential rise against 2 U_Tp</source>
        <translation>Earth potential rise against 2 U_Tp</translation>
    </message>
    <message>
        <source>Grid resistance Rg (Sverak)</source>
        <translation>Grid resistance Rg (Sverak)</translation>
    </message>
    <message>
        <source>Grid resistance (Schwarz)</source>
        <translation>Grid resistance (Schwarz)</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>Surface layer factor Cs</source>
        <translation>Surface layer factor Cs</translation>
    </message>
    <message>
        <source>n, Km, Ki, Ks</source>
        <translation>n, Km, Ki, Ks</translation>
    </message>
    <message>
        <source>Correct the fields first.</source>
        <translation>Correct the fields first.</translation>
    </message>
    <message>
        <source>None of the %1 designs tried is safe: a larger area, a surface layer or a smaller grid current is needed.</source>
        <translation>None of the %1 designs tried is safe: a larger area, a surface layer or a smaller grid current is needed.</translation>
    </message>
    <message>
        <source>%1 of the %2 designs tried are safe; the smallest, with %3 m of conductors and rods, is shown.</source>
        <translation>%1 of the %2 designs tried are safe; the smallest, with %3 m of conductors and rods, is shown.</translation>
    </message>
    <message>
        <source>Assessment stored with %1</source>
        <translation>Assessment stored with %1</translation>
    </message>
    <message>
        <source>Ω·m</source>
        <translation>Ω·m</translation>
    </message>
    <message numerus="yes">
        <source>Stored soil model (%n layer(s))</source>
        <translation>
            <numerusform>Stored soil model (%n layer)</numerusform>
            <numerusform>Stored soil model (%n layers)</numerusform>
        </translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m, as typed.</source>
        <translation>Uniform soil of %1 Ω·m, as typed.</translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m, the stored one-layer model.</source>
        <translation>Uniform soil of %1 Ω·m, the stored one-layer model.</translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m: the Wenner apparent resistivity of the %2-layer model at the grid&apos;s equivalent radius of %3 m.</source>
        <translation>Uniform soil of %1 Ω·m: the Wenner apparent resistivity of the %2-layer model at the grid&apos;s equivalent radius of %3 m.</translation>
    </message>
    <message>
        <source>Ω</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>%1 Ω</source>
        <translation>%1 Ω</translation>
    </message>
    <message>
        <source>Touch and step voltages</source>
        <translation>Touch and step voltages</translation>
    </message>
    <message>
        <source>(%1 m, %2 m)</source>
        <translation>(%1 m, %2 m)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Compute in the soil model</source>
        <translation>Compute in the soil model</translation>
    </message>
    <message>
        <source>The grid&apos;s conductors and rods solved in the soil&apos;s layers, the surface potential mapped over the grid and 3 m around it</source>
        <translation>The grid&apos;s conductors and rods solved in the soil&apos;s layers, the surface potential mapped over the grid and 3 m around it</translation>
    </message>
    <message>
        <source>In the soil model</source>
        <translation>In the soil model</translation>
    </message>
    <message>
        <source>Formulas</source>
        <translation>Formulas</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Difference</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Computation cancelled.</source>
        <translation>Computation cancelled.</translation>
    </message>
    <message>
        <source>Computing in the soil model...</source>
        <translation>Computing in the soil model...</translation>
    </message>
    <message>
        <source>The solver gave up on this grid (too many segments, or conductors on top of each other).</source>
        <translation>The solver gave up on this grid (too many segments, or conductors on top of each other).</translation>
    </message>
    <message>
        <source>Touch voltage within 1 m</source>
        <translation>Touch voltage within 1 m</translation>
    </message>
    <message>
        <source>In the soil model: %1</source>
        <translation>In the soil model: %1</translation>
    </message>
    <message>
        <source>Largest touch voltage %1 at %2; largest step voltage %3 at %4.</source>
        <translation>Largest touch voltage %1 at %2; largest step voltage %3 at %4.</translation>
    </message>
    <message>
        <source>%1 segments, the surface on points %2 m apart; computed in %3 s.</source>
        <translation>%1 segments, the surface on points %2 m apart; computed in %3 s.</translation>
    </message>
    <message>
        <source>The soil model has a layer without a resistivity or thickness.</source>
        <translation>The soil model has a layer without a resistivity or thickness.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>With the top layer at %1 Ω·m: touch voltage %2 (limit %3), step voltage %4 (limit %5): %6</source>
        <translation>With the top layer at %1 Ω·m: touch voltage %2 (limit %3), step voltage %4 (limit %5): %6</translation>
    </message>
</context>
<context>
    <name>terrovane::help::GuideWindow</name>
    <message>
        <source>User guide</source>
        <translation>User guide</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AssignDialog</name>
    <message>
        <source>Assign 1 result</source>
        <translation>Assign 1 result</translation>
    </message>
    <message>
        <source>Assign %1 results</source>
        <translation>Assign %1 results</translation>
    </message>
    <message>
        <source>One result per test point, in slot order, from this point on</source>
        <translation>One result per test point, in slot order, from this point on</translation>
    </message>
    <message>
        <source>New site...</source>
        <translation>New site...</translation>
    </message>
    <message>
        <source>New test point...</source>
        <translation>New test point...</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Assign</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Test point:</source>
        <translation>Test point:</translation>
    </message>
    <message>
        <source>Choose an earlier test point, make more points, or clear &quot;%1&quot;.</source>
        <translation>Choose an earlier test point, make more points, or clear &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Choose another test point or site.</source>
        <translation>Choose another test point or site.</translation>
    </message>
    <message>
        <source>The results could not be assigned: %1. %2</source>
        <translation>The results could not be assigned: %1. %2</translation>
    </message>
    <message>
        <source>The sites could not be read.</source>
        <translation>The sites could not be read.</translation>
    </message>
    <message>
        <source>The site&apos;s test points could not be read.</source>
        <translation>The site&apos;s test points could not be read.</translation>
    </message>
    <message>
        <source>The test point could not be made.</source>
        <translation>The test point could not be made.</translation>
    </message>
    <message>
        <source>Add those measured on %1 to that day&apos;s visit</source>
        <translation>Add those measured on %1 to that day&apos;s visit</translation>
    </message>
    <message>
        <source>Add those measured on %1 to that day&apos;s visit (%2)</source>
        <translation>Add those measured on %1 to that day&apos;s visit (%2)</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AttachmentStrip</name>
    <message>
        <source>Attach...</source>
        <translation>Attach...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>Caption...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Use as position</source>
        <translation>Use as position</translation>
    </message>
    <message>
        <source>Photos and documents</source>
        <translation>Photos and documents</translation>
    </message>
    <message>
        <source>site %1</source>
        <translation>site %1</translation>
    </message>
    <message>
        <source>test point %1</source>
        <translation>test point %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <translation>result %1</translation>
    </message>
    <message>
        <source>typed result %1</source>
        <translation>typed result %1</translation>
    </message>
    <message>
        <source>Photos and documents: choose a site, a test point or a result</source>
        <translation>Photos and documents: choose a site, a test point or a result</translation>
    </message>
    <message>
        <source>Photos and documents of %1</source>
        <translation>Photos and documents of %1</translation>
    </message>
    <message>
        <source>Make %1 the position of the site</source>
        <translation>Make %1 the position of the site</translation>
    </message>
    <message>
        <source>Only a photo with a GPS position can give its site&apos;s position</source>
        <translation>Only a photo with a GPS position can give its site&apos;s position</translation>
    </message>
    <message>
        <source>Attach photos or documents</source>
        <translation>Attach photos or documents</translation>
    </message>
    <message>
        <source>Photos and documents (*.jpg *.jpeg *.png *.pdf)</source>
        <translation>Photos and documents (*.jpg *.jpeg *.png *.pdf)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Caption of %1:</source>
        <translation>Caption of %1:</translation>
    </message>
    <message>
        <source>Remove %1 from %2?</source>
        <translation>Remove %1 from %2?</translation>
    </message>
    <message>
        <source>Remove attachment</source>
        <translation>Remove attachment</translation>
    </message>
    <message>
        <source>This result is assigned to no test point, so it has no site to place</source>
        <translation>This result is assigned to no test point, so it has no site to place</translation>
    </message>
    <message>
        <source>Move site %1 from %2, %3 to where the photo was taken, %4?</source>
        <translation>Move site %1 from %2, %3 to where the photo was taken, %4?</translation>
    </message>
    <message>
        <source>Place site %1 where the photo was taken, %2?</source>
        <translation>Place site %1 where the photo was taken, %2?</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AttachmentView</name>
    <message>
        <source>taken %1</source>
        <translation>taken %1</translation>
    </message>
    <message>
        <source>at %1, %2</source>
        <translation>at %1, %2</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 pixels</translation>
    </message>
</context>
<context>
    <name>terrovane::history::CopySiteDialog</name>
    <message>
        <source>New site as a copy</source>
        <translation>New site as a copy</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n test point(s))</source>
        <translation>
            <numerusform>%1 (%n test point)</numerusform>
            <numerusform>%1 (%n test points)</numerusform>
        </translation>
    </message>
    <message>
        <source>The new site gets a test point for each of this site&apos;s, with its name, kind, limit and re-test interval. Results stay where they are.</source>
        <translation>The new site gets a test point for each of this site&apos;s, with its name, kind, limit and re-test interval. Results stay where they are.</translation>
    </message>
    <message>
        <source>Copy the test points of:</source>
        <translation>Copy the test points of:</translation>
    </message>
</context>
<context>
    <name>terrovane::history::DueWindow</name>
    <message>
        <source>Due list</source>
        <translation>Due list</translation>
    </message>
    <message>
        <source>Overdue and due &amp;within:</source>
        <translation>Overdue and due &amp;within:</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Last test</translation>
    </message>
    <message>
        <source>Last result</source>
        <translation>Last result</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>The due list could not be read: %1</source>
        <translation>The due list could not be read: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n test point(s) overdue</source>
        <translation>
            <numerusform>%n test point overdue</numerusform>
            <numerusform>%n test points overdue</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due within the days</source>
        <translation>
            <numerusform>%n due within the days</numerusform>
            <numerusform>%n due within the days</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the due list as PDF</source>
        <translation>Save the due list as PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>Due list written to %1</source>
        <translation>Due list written to %1</translation>
    </message>
    <message>
        <source>Export the due list</source>
        <translation>Export the due list</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx);;CSV file (*.csv);;iCalendar file (*.ics)</source>
        <translation>Excel workbook (*.xlsx);;CSV file (*.csv);;iCalendar file (*.ics)</translation>
    </message>
    <message>
        <source>the file name should end in .xlsx, .csv or .ics</source>
        <translation>the file name should end in .xlsx, .csv or .ics</translation>
    </message>
    <message>
        <source>days</source>
        <translation>days</translation>
    </message>
</context>
<context>
    <name>terrovane::history::FirmDialog</name>
    <message>
        <source>Firm</source>
        <translation>Firm</translation>
    </message>
    <message>
        <source>letters and digits, as ACME</source>
        <translation>letters and digits, as ACME</translation>
    </message>
    <message>
        <source>Choose logo...</source>
        <translation>Choose logo...</translation>
    </message>
    <message>
        <source>Remove logo</source>
        <translation>Remove logo</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Accreditation or licence:</source>
        <translation>Accreditation or licence:</translation>
    </message>
    <message>
        <source>Report number prefix:</source>
        <translation>Report number prefix:</translation>
    </message>
    <message>
        <source>Logo (PNG or SVG):</source>
        <translation>Logo (PNG or SVG):</translation>
    </message>
    <message>
        <source>The team shares one profile: a change here goes to the server with the next sync, which takes it from admins only.</source>
        <translation>The team shares one profile: a change here goes to the server with the next sync, which takes it from admins only.</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Logo (*.png *.svg)</source>
        <translation>Logo (*.png *.svg)</translation>
    </message>
    <message>
        <source>no logo</source>
        <translation>no logo</translation>
    </message>
    <message>
        <source>the logo cannot be shown here</source>
        <translation>the logo cannot be shown here</translation>
    </message>
</context>
<context>
    <name>terrovane::history::HistoryWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Measured from</source>
        <translation>Measured from</translation>
    </message>
    <message>
        <source>to</source>
        <translation>to</translation>
    </message>
    <message>
        <source>All modes</source>
        <translation>All modes</translation>
    </message>
    <message>
        <source>Label contains...</source>
        <translation>Label contains...</translation>
    </message>
    <message>
        <source>Assign...</source>
        <translation>Assign...</translation>
    </message>
    <message>
        <source>Label result...</source>
        <translation>Label result...</translation>
    </message>
    <message>
        <source>Label read-out...</source>
        <translation>Label read-out...</translation>
    </message>
    <message>
        <source>Open read-out</source>
        <translation>Open read-out</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>Site report...</source>
        <translation>Site report...</translation>
    </message>
    <message>
        <source>Trend...</source>
        <translation>Trend...</translation>
    </message>
    <message>
        <source>Soil model...</source>
        <translation>Soil model...</translation>
    </message>
    <message>
        <source>Fall of potential...</source>
        <translation>Fall of potential...</translation>
    </message>
    <message>
        <source>Keep new read-outs in the archive</source>
        <translation>Keep new read-outs in the archive</translation>
    </message>
    <message>
        <source>The archive cannot be opened: </source>
        <translation>The archive cannot be opened: </translation>
    </message>
    <message>
        <source>No results match</source>
        <translation>No results match</translation>
    </message>
    <message>
        <source>%1 results shown, more as you scroll</source>
        <translation>%1 results shown, more as you scroll</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>1 result</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 results</translation>
    </message>
    <message>
        <source>Label of %1 results</source>
        <translation>Label of %1 results</translation>
    </message>
    <message>
        <source>Label of read-out %1 and its results</source>
        <translation>Label of read-out %1 and its results</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Export results</translation>
    </message>
    <message>
        <source>the file name should end in .xlsx, .xls, .csv or .json</source>
        <translation>the file name should end in .xlsx, .xls, .csv or .json</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) exported to %1</source>
        <translation>
            <numerusform>%n result exported to %1</numerusform>
            <numerusform>%n results exported to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned</source>
        <translation>
            <numerusform>%n result assigned</numerusform>
            <numerusform>%n results assigned</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Rename site</source>
        <translation>Rename site</translation>
    </message>
    <message>
        <source>Rename test point</source>
        <translation>Rename test point</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Site report</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
    <message>
        <source>Site report of %1 written to %2 (%3)</source>
        <translation>Site report of %1 written to %2 (%3)</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Rename...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Delete...</translation>
    </message>
    <message>
        <source>The site&apos;s resistivity results could not be read.</source>
        <translation>The site&apos;s resistivity results could not be read.</translation>
    </message>
    <message>
        <source>The results could not be assigned.</source>
        <translation>The results could not be assigned.</translation>
    </message>
    <message>
        <source>The name could not be changed.</source>
        <translation>The name could not be changed.</translation>
    </message>
    <message>
        <source>It could not be deleted.</source>
        <translation>It could not be deleted.</translation>
    </message>
    <message>
        <source>The site report could not be made.</source>
        <translation>The site report could not be made.</translation>
    </message>
    <message>
        <source>Grid safety...</source>
        <translation>Grid safety...</translation>
    </message>
    <message>
        <source>Stored analyses...</source>
        <translation>Stored analyses...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Properties...</translation>
    </message>
    <message>
        <source>Label of slot %1 of %2</source>
        <translation>Label of slot %1 of %2</translation>
    </message>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archive</translation>
    </message>
    <message>
        <source>New &amp;site...</source>
        <translation>New &amp;site...</translation>
    </message>
    <message>
        <source>New site as a &amp;copy of...</source>
        <translation>New site as a &amp;copy of...</translation>
    </message>
    <message>
        <source>New &amp;test point...</source>
        <translation>New &amp;test point...</translation>
    </message>
    <message>
        <source>&amp;Due list...</source>
        <translation>&amp;Due list...</translation>
    </message>
    <message>
        <source>&amp;Export sites...</source>
        <translation>&amp;Export sites...</translation>
    </message>
    <message>
        <source>New site...</source>
        <translation>New site...</translation>
    </message>
    <message>
        <source>New test point...</source>
        <translation>New test point...</translation>
    </message>
    <message>
        <source>The site could not be made.</source>
        <translation>The site could not be made.</translation>
    </message>
    <message>
        <source>New site as a copy of %1</source>
        <translation>New site as a copy of %1</translation>
    </message>
    <message>
        <source>The test point could not be made.</source>
        <translation>The test point could not be made.</translation>
    </message>
    <message>
        <source>Export sites</source>
        <translation>Export sites</translation>
    </message>
    <message>
        <source>GeoJSON file (*.geojson);;KML file (*.kml)</source>
        <translation>GeoJSON file (*.geojson);;KML file (*.kml)</translation>
    </message>
    <message>
        <source>the file name should end in .geojson or .kml</source>
        <translation>the file name should end in .geojson or .kml</translation>
    </message>
    <message>
        <source>The sites could not be exported.</source>
        <translation>The sites could not be exported.</translation>
    </message>
    <message numerus="yes">
        <source>%n site(s) exported to %1</source>
        <translation>
            <numerusform>%n site exported to %1</numerusform>
            <numerusform>%n sites exported to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a position left out</source>
        <translation>
            <numerusform>%n without a position left out</numerusform>
            <numerusform>%n without a position left out</numerusform>
        </translation>
    </message>
    <message>
        <source>New site as a copy of...</source>
        <translation>New site as a copy of...</translation>
    </message>
    <message>
        <source>The soil model could not be opened.</source>
        <translation>The soil model could not be opened.</translation>
    </message>
    <message>
        <source>The fall-of-potential window could not be opened.</source>
        <translation>The fall-of-potential window could not be opened.</translation>
    </message>
    <message>
        <source>The grid safety window could not be opened.</source>
        <translation>The grid safety window could not be opened.</translation>
    </message>
    <message>
        <source>The labels could not be read.</source>
        <translation>The labels could not be read.</translation>
    </message>
    <message>
        <source>The properties could not be read.</source>
        <translation>The properties could not be read.</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Import...</translation>
    </message>
    <message>
        <source>Attach photos or documents...</source>
        <translation>Attach photos or documents...</translation>
    </message>
    <message>
        <source>Issued &amp;reports...</source>
        <translation>Issued &amp;reports...</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Firm...</source>
        <translation>&amp;Firm...</translation>
    </message>
    <message>
        <source>The firm&apos;s profile is kept.</source>
        <translation>The firm&apos;s profile is kept.</translation>
    </message>
    <message>
        <source>The issued reports cannot be listed.</source>
        <translation>The issued reports cannot be listed.</translation>
    </message>
    <message>
        <source>Issue the site report</source>
        <translation>Issue the site report</translation>
    </message>
    <message>
        <source>Report %1, revision %2, issued and kept in the archive (%3)</source>
        <translation>Report %1, revision %2, issued and kept in the archive (%3)</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Certificates</translation>
    </message>
    <message>
        <source>Certificates of %1 written to %2</source>
        <translation>Certificates of %1 written to %2</translation>
    </message>
    <message>
        <source>The results typed by hand could not be read.</source>
        <translation>The results typed by hand could not be read.</translation>
    </message>
    <message>
        <source>Find sites, points, labels, notes, instruments...</source>
        <translation>Find sites, points, labels, notes, instruments...</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>The change could not be undone or redone.</source>
        <translation>The change could not be undone or redone.</translation>
    </message>
    <message>
        <source>Correct typed result</source>
        <translation>Correct typed result</translation>
    </message>
    <message>
        <source>Put photo in site report</source>
        <translation>Put photo in site report</translation>
    </message>
    <message>
        <source>Take photo out of site report</source>
        <translation>Take photo out of site report</translation>
    </message>
    <message>
        <source>Site properties</source>
        <translation>Site properties</translation>
    </message>
    <message>
        <source>Test point properties</source>
        <translation>Test point properties</translation>
    </message>
    <message numerus="yes">
        <source>Assign %n result(s)</source>
        <translation>
            <numerusform>Assign %n result</numerusform>
            <numerusform>Assign %n results</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete test point</source>
        <translation>Delete test point</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Delete site</translation>
    </message>
</context>
<context>
    <name>terrovane::history::ImportDialog</name>
    <message>
        <source>(not imported)</source>
        <translation>(not imported)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Value %1</source>
        <translation>Value %1</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Measured by</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>as the cell says</source>
        <translation>as the cell says</translation>
    </message>
    <message>
        <source>Import readings</source>
        <translation>Import readings</translation>
    </message>
    <message>
        <source>A CSV file or an .xlsx workbook of readings</source>
        <translation>A CSV file or an .xlsx workbook of readings</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choose...</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;File:</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Sheet:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>yyyy, yy, MM, M, dd, d, HH, H, mm, ss; any other character stands for itself</source>
        <translation>yyyy, yy, MM, M, dd, d, HH, H, mm, ss; any other character stands for itself</translation>
    </message>
    <message>
        <source>as the file writes it</source>
        <translation>as the file writes it</translation>
    </message>
    <message>
        <source>point (4.2)</source>
        <translation>point (4.2)</translation>
    </message>
    <message>
        <source>comma (4,2)</source>
        <translation>comma (4,2)</translation>
    </message>
    <message>
        <source>&amp;Header row:</source>
        <translation>&amp;Header row:</translation>
    </message>
    <message>
        <source>&amp;Date format:</source>
        <translation>&amp;Date format:</translation>
    </message>
    <message>
        <source>&amp;Time format:</source>
        <translation>&amp;Time format:</translation>
    </message>
    <message>
        <source>Decimal &amp;mark:</source>
        <translation>Decimal &amp;mark:</translation>
    </message>
    <message>
        <source>&amp;Over range marked:</source>
        <translation>&amp;Over range marked:</translation>
    </message>
    <message>
        <source>Method &amp;without a column:</source>
        <translation>Method &amp;without a column:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Why it was not taken</source>
        <translation>Why it was not taken</translation>
    </message>
    <message>
        <source>Readings (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx)</source>
        <translation>Readings (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>The mapping used last for files with this header row is chosen.</source>
        <translation>The mapping used last for files with this header row is chosen.</translation>
    </message>
    <message>
        <source>What column %1 holds</source>
        <translation>What column %1 holds</translation>
    </message>
    <message>
        <source>The unit of column %1</source>
        <translation>The unit of column %1</translation>
    </message>
    <message>
        <source>Choose the column of the date.</source>
        <translation>Choose the column of the date.</translation>
    </message>
    <message>
        <source>Choose the column of the test point.</source>
        <translation>Choose the column of the test point.</translation>
    </message>
    <message>
        <source>Choose the column of at least one value.</source>
        <translation>Choose the column of at least one value.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Nothing was imported: %1</translation>
    </message>
    <message>
        <source>The mapping could not be remembered: %1</source>
        <translation>The mapping could not be remembered: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) read: %1 taken, %2 already in the archive, %3 refused.</source>
        <translation>
            <numerusform>%n row read: %1 taken, %2 already in the archive, %3 refused.</numerusform>
            <numerusform>%n rows read: %1 taken, %2 already in the archive, %3 refused.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::IntervalEdit</name>
    <message>
        <source> months</source>
        <translation> months</translation>
    </message>
</context>
<context>
    <name>terrovane::history::IssuedReportsDialog</name>
    <message>
        <source>Issued reports</source>
        <translation>Issued reports</translation>
    </message>
    <message>
        <source>Reports issued for %1</source>
        <translation>Reports issued for %1</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Issued</translation>
    </message>
    <message>
        <source>By</source>
        <translation>By</translation>
    </message>
    <message>
        <source>No report was issued for this site yet: Site report..., then Issue...</source>
        <translation>No report was issued for this site yet: Site report..., then Issue...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save a copy...</source>
        <translation>Save a copy...</translation>
    </message>
    <message>
        <source>Save a copy</source>
        <translation>Save a copy</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF file (*.pdf)</translation>
    </message>
</context>
<context>
    <name>terrovane::history::LabelDialog</name>
    <message>
        <source>Label:</source>
        <translation>Label:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
</context>
<context>
    <name>terrovane::history::LimitEdit</name>
    <message>
        <source>%1 ohm (%2)</source>
        <translation>%1 ohm (%2)</translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation>Custom value</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>where the value comes from</source>
        <translation>where the value comes from</translation>
    </message>
    <message>
        <source>Custom limit: &quot;%1&quot; has a thousands separator; type the number of ohms without it, such as %2.</source>
        <translation>Custom limit: &quot;%1&quot; has a thousands separator; type the number of ohms without it, such as %2.</translation>
    </message>
    <message>
        <source>Custom limit: enter a number of ohms above 0, such as %1.</source>
        <translation>Custom limit: enter a number of ohms above 0, such as %1.</translation>
    </message>
</context>
<context>
    <name>terrovane::history::PointPropertiesDialog</name>
    <message>
        <source>Rod</source>
        <translation>Rod</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Mesh</translation>
    </message>
    <message>
        <source>Tower leg</source>
        <translation>Tower leg</translation>
    </message>
    <message>
        <source>Down conductor</source>
        <translation>Down conductor</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>New test point of %1</source>
        <translation>New test point of %1</translation>
    </message>
    <message>
        <source>Properties of %1 / %2</source>
        <translation>Properties of %1 / %2</translation>
    </message>
    <message>
        <source>The site&apos;s: %1</source>
        <translation>The site&apos;s: %1</translation>
    </message>
    <message>
        <source>The site&apos;s: none</source>
        <translation>The site&apos;s: none</translation>
    </message>
    <message>
        <source>The site&apos;s: %1 months</source>
        <translation>The site&apos;s: %1 months</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limit:</translation>
    </message>
    <message>
        <source>Re-test every:</source>
        <translation>Re-test every:</translation>
    </message>
    <message>
        <source>The test point could not be saved: %1</source>
        <translation>The test point could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::PropertiesDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Enter a name.</source>
        <translation>Enter a name.</translation>
    </message>
</context>
<context>
    <name>terrovane::history::ReportPhotoChoice</name>
    <message>
        <source>In the site report</source>
        <translation>In the site report</translation>
    </message>
    <message>
        <source>Print the chosen photo with its caption in the site report</source>
        <translation>Print the chosen photo with its caption in the site report</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SitePropertiesDialog</name>
    <message>
        <source>New site</source>
        <translation>New site</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Properties of %1</translation>
    </message>
    <message>
        <source>latitude,longitude in decimal degrees, such as 48.137,11.575</source>
        <translation>latitude,longitude in decimal degrees, such as 48.137,11.575</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>No limit</translation>
    </message>
    <message>
        <source>No re-test interval</source>
        <translation>No re-test interval</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Limit:</translation>
    </message>
    <message>
        <source>Re-test every:</source>
        <translation>Re-test every:</translation>
    </message>
    <message>
        <source>Enter the position as latitude,longitude in decimal degrees (such as 48.137,11.575), or leave it empty.</source>
        <translation>Enter the position as latitude,longitude in decimal degrees (such as 48.137,11.575), or leave it empty.</translation>
    </message>
    <message>
        <source>The site could not be saved: %1</source>
        <translation>The site could not be saved: %1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SiteReportDialog</name>
    <message>
        <source>Site report</source>
        <translation>Site report</translation>
    </message>
    <message>
        <source>as on the instrument&apos;s plate</source>
        <translation>as on the instrument&apos;s plate</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Print preview...</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>Save PDF...</translation>
    </message>
    <message>
        <source>The report of %1</source>
        <translation>The report of %1</translation>
    </message>
    <message>
        <source>Tester:</source>
        <translation>Tester:</translation>
    </message>
    <message>
        <source>Instrument serial:</source>
        <translation>Instrument serial:</translation>
    </message>
    <message>
        <source>Issue...</source>
        <translation>Issue...</translation>
    </message>
    <message>
        <source>Saves the report as a PDF with a report number and today&apos;s date, and keeps it in the archive as it was issued</source>
        <translation>Saves the report as a PDF with a report number and today&apos;s date, and keeps it in the archive as it was issued</translation>
    </message>
    <message>
        <source>a new report number</source>
        <translation>a new report number</translation>
    </message>
    <message>
        <source>the next revision of %1</source>
        <translation>the next revision of %1</translation>
    </message>
    <message>
        <source>Issue as:</source>
        <translation>Issue as:</translation>
    </message>
    <message>
        <source>Certificates PDF...</source>
        <translation>Certificates PDF...</translation>
    </message>
    <message>
        <source>One page per test point: its limit, newest result, method, verdict and signatures</source>
        <translation>One page per test point: its limit, newest result, method, verdict and signatures</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Prepared by:</translation>
    </message>
    <message>
        <source>Checked by:</source>
        <translation>Checked by:</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SiteTree</name>
    <message>
        <source>Site / test point</source>
        <translation>Site / test point</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Last test</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Overdue for re-test (%1)</source>
        <translation>Overdue for re-test (%1)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>and %1 more</translation>
    </message>
    <message>
        <source>now (overdue)</source>
        <translation>now (overdue)</translation>
    </message>
    <message>
        <source> (overdue)</source>
        <translation> (overdue)</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>All results</translation>
    </message>
    <message>
        <source>Unassigned, newest read-out first</source>
        <translation>Unassigned, newest read-out first</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>now</source>
        <translation>now</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Could not be read: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, then %n failed reading(s)</source>
        <translation>
            <numerusform>%1, then %n failed reading</numerusform>
            <numerusform>%1, then %n failed readings</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::StoredAnalysesDialog</name>
    <message>
        <source>Stored analyses</source>
        <translation>Stored analyses</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Stored</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Delete...</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>Soil model</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>Fall of potential</translation>
    </message>
    <message>
        <source>D %1 m, %2 readings</source>
        <translation>D %1 m, %2 readings</translation>
    </message>
    <message>
        <source>the soil model of %1</source>
        <translation>the soil model of %1</translation>
    </message>
    <message>
        <source>the fall-of-potential curve of %1 / %2</source>
        <translation>the fall-of-potential curve of %1 / %2</translation>
    </message>
    <message>
        <source>Delete %1? The results stay in the archive.</source>
        <translation>Delete %1? The results stay in the archive.</translation>
    </message>
    <message>
        <source>It could not be deleted: %1</source>
        <translation>It could not be deleted: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n layer(s) (asked: %1), RMS error %2 %, %3 points</source>
        <translation>
            <numerusform>%n layer (asked: %1), RMS error %2 %, %3 points</numerusform>
            <numerusform>%n layers (asked: %1), RMS error %2 %, %3 points</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid assessment</source>
        <translation>Grid assessment</translation>
    </message>
    <message>
        <source>%1 m x %2 m, %3 Ω·m: %4</source>
        <translation>%1 m x %2 m, %3 Ω·m: %4</translation>
    </message>
    <message>
        <source>No analysis is stored yet: &quot;Store with&quot; in the soil model, fall-of-potential and grid safety windows keeps one.</source>
        <translation>No analysis is stored yet: &quot;Store with&quot; in the soil model, fall-of-potential and grid safety windows keeps one.</translation>
    </message>
    <message>
        <source>the grid assessment of %1</source>
        <translation>the grid assessment of %1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TrendChart</name>
    <message>
        <source>No readings to show</source>
        <translation>No readings to show</translation>
    </message>
    <message>
        <source>limit %1 Ω (%2)</source>
        <translation>limit %1 Ω (%2)</translation>
    </message>
    <message>
        <source>typed by hand: %1</source>
        <translation>typed by hand: %1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TrendWindow</name>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation>Quantity:</translation>
    </message>
    <message>
        <source>No result has a label yet.</source>
        <translation>No result has a label yet.</translation>
    </message>
    <message>
        <source>%1 of %2 results with this label have a valid reading of this quantity.</source>
        <translation>%1 of %2 results with this label have a valid reading of this quantity.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Test point</translation>
    </message>
    <message>
        <source>Logarithmic axis</source>
        <translation>Logarithmic axis</translation>
    </message>
    <message>
        <source>There is no test point yet.</source>
        <translation>There is no test point yet.</translation>
    </message>
    <message>
        <source>%1 of %2 results of this test point have a valid reading of this quantity.</source>
        <translation>%1 of %2 results of this test point have a valid reading of this quantity.</translation>
    </message>
    <message numerus="yes">
        <source>%n over range, marked at the top with the instrument&apos;s bound.</source>
        <translation>
            <numerusform>%n over range, marked at the top with the instrument&apos;s bound.</numerusform>
            <numerusform>%n over range, marked at the top with the instrument&apos;s bound.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out: an invalid reading or no valid measuring date.</source>
        <translation>
            <numerusform>%n left out: an invalid reading or no valid measuring date.</numerusform>
            <numerusform>%n left out: an invalid reading or no valid measuring date.</numerusform>
        </translation>
    </message>
    <message>
        <source>The test points could not be read.</source>
        <translation>The test points could not be read.</translation>
    </message>
    <message>
        <source>The labels could not be read.</source>
        <translation>The labels could not be read.</translation>
    </message>
    <message>
        <source>The results could not be read.</source>
        <translation>The results could not be read.</translation>
    </message>
    <message>
        <source>The results typed by hand could not be read.</source>
        <translation>The results typed by hand could not be read.</translation>
    </message>
    <message numerus="yes">
        <source>%n typed by hand, drawn as open squares.</source>
        <translation>
            <numerusform>%n typed by hand, drawn as an open square.</numerusform>
            <numerusform>%n typed by hand, drawn as open squares.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::TypedResultDialog</name>
    <message>
        <source>Correct typed result</source>
        <translation>Correct typed result</translation>
    </message>
    <message>
        <source>New result</source>
        <translation>New result</translation>
    </message>
    <message>
        <source>Test &amp;point:</source>
        <translation>Test &amp;point:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Method:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Values:</translation>
    </message>
    <message>
        <source>Measured &amp;on:</source>
        <translation>Measured &amp;on:</translation>
    </message>
    <message>
        <source>make, model, serial</source>
        <translation>make, model, serial</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Instrument:</translation>
    </message>
    <message>
        <source>Measured &amp;by:</source>
        <translation>Measured &amp;by:</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>No&amp;te:</translation>
    </message>
    <message>
        <source>Unit of %1</source>
        <translation>Unit of %1</translation>
    </message>
    <message>
        <source>over range</source>
        <translation>over range</translation>
    </message>
    <message>
        <source>Above the instrument&apos;s range: the number is the bound it showed</source>
        <translation>Above the instrument&apos;s range: the number is the bound it showed</translation>
    </message>
    <message>
        <source>There is no test point yet: make one in the tree first.</source>
        <translation>There is no test point yet: make one in the tree first.</translation>
    </message>
    <message>
        <source>Choose the test point the result was measured at.</source>
        <translation>Choose the test point the result was measured at.</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TypedResultsPane</name>
    <message>
        <source>Results typed by hand</source>
        <translation>Results typed by hand</translation>
    </message>
    <message>
        <source>New result...</source>
        <translation>New result...</translation>
    </message>
    <message>
        <source>Correct...</source>
        <translation>Correct...</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Measured by</translation>
    </message>
    <message>
        <source>Typed by</source>
        <translation>Typed by</translation>
    </message>
    <message>
        <source>(corrected)</source>
        <translation>(corrected)</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>unassigned</translation>
    </message>
</context>
<context>
    <name>terrovane::history::VisitDialog</name>
    <message>
        <source>Edit visit of %1</source>
        <translation>Edit visit of %1</translation>
    </message>
    <message>
        <source>New visit of %1</source>
        <translation>New visit of %1</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>names, as on the report</source>
        <translation>names, as on the report</translation>
    </message>
    <message>
        <source>Visited &amp;by:</source>
        <translation>Visited &amp;by:</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serial</translation>
    </message>
    <message>
        <source>Calibration due</source>
        <translation>Calibration due</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Instruments</translation>
    </message>
    <message>
        <source>Calibration due dates are written YYYY-MM-DD</source>
        <translation>Calibration due dates are written YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Add &amp;instrument</source>
        <translation>Add &amp;instrument</translation>
    </message>
    <message>
        <source>&amp;Remove instrument</source>
        <translation>&amp;Remove instrument</translation>
    </message>
    <message>
        <source>Instruments:</source>
        <translation>Instruments:</translation>
    </message>
    <message>
        <source>e.g. overcast, rain overnight</source>
        <translation>e.g. overcast, rain overnight</translation>
    </message>
    <message>
        <source>&amp;Weather:</source>
        <translation>&amp;Weather:</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>measured</translation>
    </message>
    <message>
        <source>Air temperature</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>Air &amp;temperature:</source>
        <translation>Air &amp;temperature:</translation>
    </message>
    <message>
        <source>not stated</source>
        <translation>not stated</translation>
    </message>
    <message>
        <source>&amp;Soil:</source>
        <translation>&amp;Soil:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notes:</translation>
    </message>
</context>
<context>
    <name>terrovane::history::VisitsPane</name>
    <message>
        <source>Visits</source>
        <translation>Visits</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>By</source>
        <translation>By</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Instruments</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>New visit...</source>
        <translation>New visit...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Edit...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Add results</source>
        <translation>Add results</translation>
    </message>
    <message>
        <source>Visits of %1</source>
        <translation>Visits of %1</translation>
    </message>
    <message>
        <source>Visits (choose a site)</source>
        <translation>Visits (choose a site)</translation>
    </message>
    <message>
        <source>The visit could not be read.</source>
        <translation>The visit could not be read.</translation>
    </message>
    <message>
        <source>The visit could not be deleted.</source>
        <translation>The visit could not be deleted.</translation>
    </message>
    <message>
        <source>The results could not be added to the visit.</source>
        <translation>The results could not be added to the visit.</translation>
    </message>
    <message>
        <source>Puts the results selected in the list, and the typed result chosen below it, into the chosen visit</source>
        <translation>Puts the results selected in the list, and the typed result chosen below it, into the chosen visit</translation>
    </message>
</context>
<context>
    <name>terrovane::panel::DisplayPanel</name>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Current</translation>
    </message>
</context>
<context>
    <name>terrovane::printsvc::CInfoSetDlg</name>
    <message>
        <source>打印信息设置</source>
        <translation>Report Header</translation>
    </message>
    <message>
        <source>测试对象</source>
        <translation>Test object</translation>
    </message>
    <message>
        <source>仪表编号</source>
        <translation>Instrument number</translation>
    </message>
    <message>
        <source>测试人 </source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>日期     </source>
        <translation>Date</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>terrovane::printsvc::CMainFrame</name>
    <message>
        <source>Untitled - Rapstel</source>
        <translation>Untitled - Rapstel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About Rapstel...</source>
        <translation>&amp;About Rapstel...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>About Print Service</source>
        <translation>About Print Service</translation>
    </message>
    <message>
        <source>Print Service Version 1.0</source>
        <translation>Print Service Version 1.0</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>terrovane::printsvc::CMainView</name>
    <message>
        <source>打印服务程序</source>
        <translation>Print Service</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Rapstel - 打印预览</source>
        <translation>Rapstel - Print Preview</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Print service</source>
        <translation>Print service</translation>
    </message>
</context>
<context>
    <name>terrovane::teamui::ConflictsDialog</name>
    <message>
        <source>Conflicts</source>
        <translation>Conflicts</translation>
    </message>
    <message>
        <source>The same field was changed in two places. &quot;This&quot; value is the one in force everywhere, &quot;that&quot; one lost.</source>
        <translation>The same field was changed in two places. &quot;This&quot; value is the one in force everywhere, &quot;that&quot; one lost.</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Changed</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>This value</source>
        <translation>This value</translation>
    </message>
    <message>
        <source>By</source>
        <translation>By</translation>
    </message>
    <message>
        <source>When</source>
        <translation>When</translation>
    </message>
    <message>
        <source>That value</source>
        <translation>That value</translation>
    </message>
    <message>
        <source>Keep &amp;this</source>
        <translation>Keep &amp;this</translation>
    </message>
    <message>
        <source>Keep t&amp;hat</source>
        <translation>Keep t&amp;hat</translation>
    </message>
    <message>
        <source>The conflicts could not be read: %1</source>
        <translation>The conflicts could not be read: %1</translation>
    </message>
    <message>
        <source>There are no conflicts.</source>
        <translation>There are no conflicts.</translation>
    </message>
    <message>
        <source>The conflict could not be settled: %1</source>
        <translation>The conflict could not be settled: %1</translation>
    </message>
</context>
<context>
    <name>terrovane::teamui::SyncStrip</name>
    <message>
        <source>Last sync: %1</source>
        <translation>Last sync: %1</translation>
    </message>
    <message>
        <source>Not yet sent: %1</source>
        <translation>Not yet sent: %1</translation>
    </message>
    <message>
        <source>Not yet sent: unknown</source>
        <translation>Not yet sent: unknown</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Syncing...</translation>
    </message>
    <message>
        <source>Conflicts (%1)...</source>
        <translation>Conflicts (%1)...</translation>
    </message>
    <message>
        <source>Conflicts...</source>
        <translation>Conflicts...</translation>
    </message>
    <message>
        <source>Cancelling the sync...</source>
        <translation>Cancelling the sync...</translation>
    </message>
    <message>
        <source>The last sync was cancelled</source>
        <translation>The last sync was cancelled</translation>
    </message>
</context>
<context>
    <name>terrovane::teamui::TeamDialog</name>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>host=server.example dbname=terrovane</source>
        <translation>host=server.example dbname=terrovane</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;User:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Password:</translation>
    </message>
    <message>
        <source>Sign &amp;in</source>
        <translation>Sign &amp;in</translation>
    </message>
    <message>
        <source>Sign &amp;out</source>
        <translation>Sign &amp;out</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>S&amp;ync now</translation>
    </message>
    <message>
        <source>Sync &amp;automatically every</source>
        <translation>Sync &amp;automatically every</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> minutes</translation>
    </message>
    <message>
        <source>(kept)</source>
        <translation>(kept)</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>The password is kept in the desktop&apos;s secret store, never in a file.</translation>
    </message>
    <message>
        <source>No secret store is available: the password is kept until the program ends, and asked for again at the next start.</source>
        <translation>No secret store is available: the password is kept until the program ends, and asked for again at the next start.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Syncing...</translation>
    </message>
    <message>
        <source>Last sync: %1.</source>
        <translation>Last sync: %1.</translation>
    </message>
    <message>
        <source>Signed out. %1</source>
        <translation>Signed out. %1</translation>
    </message>
    <message>
        <source>The server&apos;s message: %1</source>
        <translation>The server&apos;s message: %1</translation>
    </message>
    <message>
        <source>Cancel s&amp;ync</source>
        <translation>Cancel s&amp;ync</translation>
    </message>
    <message>
        <source>Cancelling the sync...</source>
        <translation>Cancelling the sync...</translation>
    </message>
</context>
<context>
    <name>terrovane::ui::CDateTimeDlg</name>
    <message>
        <source>Date &amp; Time Setting</source>
        <translation>Date &amp; Time Setting</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
