<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>关于 Terrovane(&amp;A)...</source>
        <translation>关于 Terrovane(&amp;A)...</translation>
    </message>
    <message>
        <source>关于 Terrovane</source>
        <translation>关于 Terrovane</translation>
    </message>
    <message>
        <source>接地电阻测试仪v1.0 </source>
        <translation>接地电阻测试仪v1.0 </translation>
    </message>
    <message>
        <source>本软件主要包括如下功能：</source>
        <translation>本软件主要包括如下功能：</translation>
    </message>
    <message>
        <source>1.读取:将测试仪中的数据读入PC并以图形方式显示; </source>
        <translation>1.读取:将测试仪中的数据读入PC并以图形方式显示; </translation>
    </message>
    <message>
        <source>2.保存:将测试仪中的数据保存至Excel表;</source>
        <translation>2.保存:将测试仪中的数据保存至Excel表;</translation>
    </message>
    <message>
        <source>3.打印:将测试仪中的数据以表格方式打印;</source>
        <translation>3.打印:将测试仪中的数据以表格方式打印;</translation>
    </message>
    <message>
        <source>4.显示:连续按该按钮可以实现循环显示一组数据;</source>
        <translation>4.显示:连续按该按钮可以实现循环显示一组数据;</translation>
    </message>
    <message>
        <source>5.设置:对测试仪中的时间日期进行设置;</source>
        <translation>5.设置:对测试仪中的时间日期进行设置;</translation>
    </message>
    <message>
        <source>6.删除:对测试仪中的一组或所有数据进行删除;</source>
        <translation>6.删除:对测试仪中的一组或所有数据进行删除;</translation>
    </message>
    <message>
        <source>7.退出:终止本程序.</source>
        <translation>7.退出:终止本程序.</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>AnalysisNotes</name>
    <message>
        <source>slot %1</source>
        <translation>存储位 %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <translation>结果 %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 is over range, no measured value; left out</source>
        <translation>%1：%2 %3 超出量程，没有测量值；已略去</translation>
    </message>
    <message>
        <source>%1: no valid %2; left out</source>
        <translation>%1：没有有效的 %2；已略去</translation>
    </message>
    <message>
        <source>%1: doubtful (%2); left out</source>
        <translation>%1：可疑（%2）；已略去</translation>
    </message>
    <message>
        <source>%1: no measuring distance; left out</source>
        <translation>%1：没有测量距离；已略去</translation>
    </message>
    <message>
        <source>%1: distance shown as &gt;99; the stored %2 m is used</source>
        <translation>%1：距离显示为 &gt;99；采用存储的 %2 m</translation>
    </message>
    <message>
        <source>%1 results at %2 m: their geometric mean is used</source>
        <translation>%2 m 处有 %1 个结果：采用其几何平均值</translation>
    </message>
    <message>
        <source>the starting model could not be computed</source>
        <translation>无法计算初始模型</translation>
    </message>
    <message>
        <source>the solver stopped after %1 iterations without converging</source>
        <translation>求解器迭代 %1 次后停止，未收敛</translation>
    </message>
    <message>
        <source>the solver stopped without converging: %1</source>
        <translation>求解器停止，未收敛：%1</translation>
    </message>
    <message>
        <source>slot %1 of %2</source>
        <translation>%2 的存储位 %1</translation>
    </message>
</context>
<context>
    <name>ArchiveProblems</name>
    <message>
        <source>a site needs a name</source>
        <translation>站点需要名称</translation>
    </message>
    <message>
        <source>a position needs both latitude and longitude</source>
        <translation>位置需要同时给出纬度和经度</translation>
    </message>
    <message>
        <source>latitude runs from -90 to 90 and longitude from -180 to 180</source>
        <translation>纬度范围为 -90 至 90，经度范围为 -180 至 180</translation>
    </message>
    <message>
        <source>a limit is a resistance above 0 ohm</source>
        <translation>限值是大于 0 欧姆的电阻</translation>
    </message>
    <message>
        <source>a test interval runs from 1 to 600 months</source>
        <translation>复测间隔为 1 至 600 个月</translation>
    </message>
    <message>
        <source>there is already a site named &quot;%1&quot;</source>
        <translation>已有名为 “%1” 的站点</translation>
    </message>
    <message>
        <source>there is no site &quot;%1&quot;</source>
        <translation>没有站点 “%1”</translation>
    </message>
    <message>
        <source>a test point needs a name</source>
        <translation>测试点需要名称</translation>
    </message>
    <message>
        <source>the site already has a test point named &quot;%1&quot;</source>
        <translation>该站点已有名为 “%1” 的测试点</translation>
    </message>
    <message>
        <source>that site already has a test point of the same name</source>
        <translation>那个站点已有同名的测试点</translation>
    </message>
    <message>
        <source>there is no test point &quot;%1&quot; at site &quot;%2&quot;</source>
        <translation>站点 “%2” 没有测试点 “%1”</translation>
    </message>
    <message>
        <source>the site has %1 test points from the chosen one on, fewer than the %2 results</source>
        <translation>该站点从所选测试点起只有 %1 个测试点，少于 %2 个结果</translation>
    </message>
    <message>
        <source>a limit is a preset name (see &quot;terrovane-cli limits&quot;) or a resistance in ohms above 0, not &quot;%1&quot;</source>
        <translation>限值应为预设名称（见 “terrovane-cli limits”）或大于 0 的电阻（欧姆），而不是 “%1”</translation>
    </message>
    <message>
        <source>a limit&apos;s source after the comma may not be empty</source>
        <translation>限值逗号后的来源不能为空</translation>
    </message>
    <message>
        <source>there is no site %1</source>
        <translation>没有站点 %1</translation>
    </message>
    <message>
        <source>there is no test point %1</source>
        <translation>没有测试点 %1</translation>
    </message>
    <message>
        <source>there is no result %1</source>
        <translation>没有结果 %1</translation>
    </message>
    <message>
        <source>there is no read-out %1</source>
        <translation>没有读取记录 %1</translation>
    </message>
    <message>
        <source>there is no soil model %1</source>
        <translation>没有土壤模型 %1</translation>
    </message>
    <message>
        <source>there is no fall-of-potential curve %1</source>
        <translation>没有电位降曲线 %1</translation>
    </message>
    <message>
        <source>there is no grid assessment %1</source>
        <translation>没有接地网评估 %1</translation>
    </message>
    <message>
        <source>there is no typed result %1</source>
        <translation>没有手动录入的结果 %1</translation>
    </message>
    <message>
        <source>a value is typed NAME=VALUE with its unit, as Re=12.5 or Re=&gt;300k, not &quot;%1&quot;</source>
        <translation>数值应按 名称=数值 加单位录入，例如 Re=12.5 或 Re=&gt;300k，而不是“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no value name (Re, Rs, Rh, Rk, Rac, R, rho, I)</source>
        <translation>“%1”不是数值名称（Re、Rs、Rh、Rk、Rac、R、rho、I）</translation>
    </message>
    <message>
        <source>the value of %1 is no number: &quot;%2&quot;</source>
        <translation>%1 的数值不是数字：“%2”</translation>
    </message>
    <message>
        <source>the value of %1 may not be negative</source>
        <translation>%1 的数值不能为负</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no unit of %2, which takes %3</source>
        <translation>“%1”不是 %2 的单位，可用单位为 %3</translation>
    </message>
    <message>
        <source>there is no method &quot;%1&quot;; the methods are %2</source>
        <translation>没有方法“%1”；可用方法为 %2</translation>
    </message>
    <message>
        <source>a result of the method %1 has no value %2; it takes %3</source>
        <translation>方法 %1 的结果没有数值 %2；可用数值为 %3</translation>
    </message>
    <message>
        <source>a result of the method %1 needs its value %2</source>
        <translation>方法 %1 的结果需要其数值 %2</translation>
    </message>
    <message>
        <source>the value %1 is given twice</source>
        <translation>数值 %1 重复给出</translation>
    </message>
    <message>
        <source>the measuring date and time are written YYYY-MM-DD HH:MM and must exist, not &quot;%1&quot;</source>
        <translation>测量日期和时间应写作 YYYY-MM-DD HH:MM 且必须真实存在，而不是“%1”</translation>
    </message>
    <message>
        <source>the measuring date %1 lies in the future</source>
        <translation>测量日期 %1 在未来</translation>
    </message>
    <message>
        <source>the instrument, who measured, who typed and the note take at most %1 characters each</source>
        <translation>仪器、测量人、录入人和备注各最多 %1 个字符</translation>
    </message>
    <message>
        <source>typed result %1 has been corrected by %2 already; correct the newest version</source>
        <translation>录入结果 %1 已被 %2 更正；请更正最新版本</translation>
    </message>
    <message>
        <source>there is no attachment %1</source>
        <translation>没有附件 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be attached: only JPEG and PNG photos and PDF documents can</source>
        <translation>无法附加“%1”：只能附加 JPEG 和 PNG 照片以及 PDF 文档</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named as a %2 file but is none</source>
        <translation>“%1”的名称表明它是 %2 文件，但实际不是</translation>
    </message>
    <message>
        <source>the image &quot;%1&quot; cannot be read: %2</source>
        <translation>无法读取图像“%1”：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB, the most a file attached may be</source>
        <translation>“%1”大于 %2 MB，即附件的最大大小</translation>
    </message>
    <message>
        <source>a caption takes at most %1 characters</source>
        <translation>说明最多 %1 个字符</translation>
    </message>
    <message>
        <source>the firm&apos;s name, phone, e-mail and licence take at most %1 characters each, its address %2, all as text</source>
        <translation>公司的名称、电话、电子邮件和资质编号各最多 %1 个字符，地址最多 %2 个，均为文本</translation>
    </message>
    <message>
        <source>a report number&apos;s prefix is 1 to 12 letters (A-Z) and digits, not &quot;%1&quot;</source>
        <translation>报告编号的前缀为 1 到 12 个字母（A-Z）和数字，而不是“%1”</translation>
    </message>
    <message>
        <source>the logo is larger than %1 kB, the most a logo may be</source>
        <translation>标志大于 %1 kB，超过了标志的上限</translation>
    </message>
    <message>
        <source>the logo is neither a PNG image nor an SVG drawing</source>
        <translation>标志既不是 PNG 图像，也不是 SVG 图形</translation>
    </message>
    <message>
        <source>the firm has no prefix for its report numbers yet: set one (terrovane-cli firm set --prefix P, or Settings &gt; Firm... in the archive window)</source>
        <translation>公司尚未设置报告编号前缀：请设置一个（terrovane-cli firm set --prefix P，或在档案库窗口中选择 设置 &gt; 公司...）</translation>
    </message>
    <message>
        <source>no report numbered &quot;%1&quot; was issued from this archive</source>
        <translation>此档案库未签发编号为“%1”的报告</translation>
    </message>
    <message>
        <source>report %1 has no revision %2</source>
        <translation>报告 %1 没有第 %2 版</translation>
    </message>
    <message>
        <source>report %1 was issued for the site &quot;%2&quot;, not for &quot;%3&quot;</source>
        <translation>报告 %1 是为站点“%2”签发的，而不是“%3”</translation>
    </message>
    <message>
        <source>revision %1 of report %2 was issued meanwhile; issue it again</source>
        <translation>报告 %2 的第 %1 版已在此期间签发；请重新签发</translation>
    </message>
    <message>
        <source>attachment %1 is a document: only photos go into the site report</source>
        <translation>附件 %1 是文档：只有照片可以放入现场报告</translation>
    </message>
    <message>
        <source>there is no visit %1</source>
        <translation>没有现场访问 %1</translation>
    </message>
    <message>
        <source>a visit&apos;s date is written YYYY-MM-DD and must exist, not &quot;%1&quot;</source>
        <translation>现场访问的日期应写作 YYYY-MM-DD 且必须存在，而不是&quot;%1&quot;</translation>
    </message>
    <message>
        <source>an instrument of a visit needs a name or a serial number</source>
        <translation>现场访问的仪器需要名称或序列号</translation>
    </message>
    <message>
        <source>a calibration due date is written YYYY-MM-DD and must exist, not &quot;%1&quot;</source>
        <translation>校准到期日应写作 YYYY-MM-DD 且必须存在，而不是&quot;%1&quot;</translation>
    </message>
    <message>
        <source>the air temperature runs from -80 to 70 °C</source>
        <translation>气温范围为 -80 至 70 °C</translation>
    </message>
    <message>
        <source>a visit&apos;s notes take at most %1 characters, its other texts at most %2 each</source>
        <translation>现场访问的备注最多 %1 个字符，其他文字每项最多 %2 个字符</translation>
    </message>
    <message>
        <source>result %1 is not assigned to a test point of the visit&apos;s site</source>
        <translation>结果 %1 未分配到该现场访问所属站点的测试点</translation>
    </message>
    <message>
        <source>the current probe&apos;s distance is a number of metres above 0</source>
        <translation>电流极距离是大于 0 的米数</translation>
    </message>
    <message>
        <source>a fall-of-potential traverse needs at least two readings</source>
        <translation>电位降测线至少需要两个读数</translation>
    </message>
    <message>
        <source>a sounding needs at least two readings</source>
        <translation>测深至少需要两个读数</translation>
    </message>
    <message>
        <source>a traverse or a sounding takes at most %1 readings</source>
        <translation>测线或测深最多 %1 个读数</translation>
    </message>
    <message>
        <source>reading %1: the distance and the value are numbers above 0</source>
        <translation>读数 %1：距离和数值都是大于 0 的数</translation>
    </message>
    <message>
        <source>reading %1: the distance %2 m is given twice</source>
        <translation>读数 %1：距离 %2 m 重复</translation>
    </message>
    <message>
        <source>there is no typed traverse %1</source>
        <translation>没有录入的测线 %1</translation>
    </message>
    <message>
        <source>there is no typed sounding %1</source>
        <translation>没有录入的测深 %1</translation>
    </message>
    <message>
        <source>typed result %1 is not of a test point of the visit&apos;s site</source>
        <translation>录入的结果 %1 不属于该现场访问所属站点的测试点</translation>
    </message>
    <message>
        <source>result %1 has been assigned to a test point since the deletion</source>
        <translation>结果 %1 在删除之后已被分配到测试点</translation>
    </message>
    <message>
        <source>typed result %1 has been assigned or corrected since the deletion</source>
        <translation>录入的结果 %1 在删除之后已被分配或更正</translation>
    </message>
    <message>
        <source>the file of the attachment &quot;%1&quot; is no longer in the archive</source>
        <translation>附件“%1”的文件已不在档案库中</translation>
    </message>
    <message>
        <source>reading %1: MN/2 is a number of metres above 0 and below its AB/2, %2 m</source>
        <translation>读数 %1：MN/2 是大于 0 且小于其 AB/2（%2 m）的米数</translation>
    </message>
    <message>
        <source>the archive has changed since the deletion in a way that conflicts with it: %1</source>
        <translation>删除之后档案库已发生与之冲突的更改：%1</translation>
    </message>
    <message>
        <source>a soil model has 1 to %1 layers</source>
        <translation>土壤模型有 1 到 %1 层</translation>
    </message>
    <message>
        <source>layer %1: a resistivity is a number above 0 with a sigma not below 0</source>
        <translation>第 %1 层：电阻率是大于 0 的数，其 sigma 不小于 0</translation>
    </message>
    <message>
        <source>layer %1: the last layer has no thickness</source>
        <translation>第 %1 层：最后一层没有厚度</translation>
    </message>
    <message>
        <source>layer %1: every layer but the last has a thickness</source>
        <translation>第 %1 层：除最后一层外每层都有厚度</translation>
    </message>
    <message>
        <source>layer %1: a thickness is a number above 0 with a sigma not below 0</source>
        <translation>第 %1 层：厚度是大于 0 的数，其 sigma 不小于 0</translation>
    </message>
    <message>
        <source>point %1: a spacing and a resistivity are numbers above 0</source>
        <translation>点 %1：间距和电阻率都是大于 0 的数</translation>
    </message>
    <message>
        <source>the RMS error is a number not below 0</source>
        <translation>RMS 误差是不小于 0 的数</translation>
    </message>
    <message>
        <source>the current-probe distance is a number above 0</source>
        <translation>电流极距离是大于 0 的数</translation>
    </message>
    <message>
        <source>a fall-of-potential curve needs at least two readings</source>
        <translation>电位降曲线至少需要两个读数</translation>
    </message>
    <message>
        <source>reading %1: a distance and a resistance are numbers above 0</source>
        <translation>读数 %1：距离和电阻都是大于 0 的数</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1：不是数字</translation>
    </message>
    <message>
        <source>the shape, rod placement, standard, soil method and verdict are named</source>
        <translation>形状、接地棒布置、标准、土壤方法和结论都须给出名称</translation>
    </message>
    <message>
        <source>the grid&apos;s sizes, the soil&apos;s resistivity and the duration are above zero</source>
        <translation>接地网尺寸、土壤电阻率和持续时间都大于零</translation>
    </message>
    <message>
        <source>a surface layer has a resistivity and a thickness</source>
        <translation>表层有电阻率和厚度</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot open the archive: %1</source>
        <translation>无法打开档案库：%1</translation>
    </message>
    <message>
        <source>the archive was damaged; it was moved aside as %1 and a new one started</source>
        <translation>档案库已损坏；已移至 %1，并新建了一个档案库</translation>
    </message>
    <message>
        <source>result ids are whole numbers as &quot;history&quot; prints them, not &quot;%1&quot;</source>
        <translation>结果编号是 “history” 列出的整数，而不是 “%1”</translation>
    </message>
    <message>
        <source>--to takes SITE/POINT</source>
        <translation>--to 需要 站点/测试点</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned to %1/%2</source>
        <translation>
            <numerusform>已将 %n 个结果分配到 %1/%2</numerusform>
        </translation>
    </message>
    <message>
        <source>--set takes &quot;YYYY-MM-DD HH:MM&quot; with a year from 2000 to 2099</source>
        <translation>--set 需要 “YYYY-MM-DD HH:MM”，年份为 2000 至 2099</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>需要 %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> 或 </translation>
    </message>
    <message>
        <source>no user &quot;%1&quot; in %2</source>
        <translation>%2 中没有用户 “%1”</translation>
    </message>
    <message>
        <source>--format is table or json</source>
        <translation>--format 只能是 table 或 json</translation>
    </message>
    <message>
        <source>keeping read-outs in the archive is turned off, so the results erased are not kept anywhere</source>
        <translation>已关闭将读取数据存入档案库，因此被擦除的结果不会保存在任何地方</translation>
    </message>
    <message>
        <source>--slot takes a slot number from 0 to 99</source>
        <translation>--slot 需要 0 至 99 的存储位号</translation>
    </message>
    <message>
        <source>nothing was erased (--no-archive erases anyway)</source>
        <translation>未擦除任何数据（使用 --no-archive 仍会擦除）</translation>
    </message>
    <message>
        <source>--xls needs a file name</source>
        <translation>--xls 需要文件名</translation>
    </message>
    <message>
        <source>--port names the instrument to read; --from reads no instrument</source>
        <translation>--port 指定要读取的仪器；--from 不读取仪器</translation>
    </message>
    <message>
        <source>the workbook is saved all the same</source>
        <translation>工作簿仍会保存</translation>
    </message>
    <message numerus="yes">
        <source>%n stored result(s) saved to %1</source>
        <translation>
            <numerusform>已将 %n 个存储结果保存到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (after leaving out %n result(s))</source>
        <translation>
            <numerusform>%1（已略去 %n 个结果）</numerusform>
        </translation>
    </message>
    <message>
        <source>--current-probe takes the current probe&apos;s distance in metres</source>
        <translation>--current-probe 需要电流极的距离（米）</translation>
    </message>
    <message>
        <source>--distances takes the potential probe&apos;s distances in metres, separated by commas</source>
        <translation>--distances 需要电压极的距离（米），以逗号分隔</translation>
    </message>
    <message>
        <source>cannot write the result</source>
        <translation>无法写出结果</translation>
    </message>
    <message>
        <source>--soil-model takes the id of a stored soil model</source>
        <translation>--soil-model 需要已存储土壤模型的编号</translation>
    </message>
    <message>
        <source>site &quot;%1&quot; has no stored soil model</source>
        <translation>站点 “%1” 没有已存储的土壤模型</translation>
    </message>
    <message>
        <source>--rho is a resistivity in ohm-metres above zero</source>
        <translation>--rho 是大于零的电阻率（欧姆·米）</translation>
    </message>
    <message>
        <source>needs --rho, --soil-model or --site (or soil.resistivity_ohm_m in the design)</source>
        <translation>需要 --rho、--soil-model 或 --site（或设计文件中的 soil.resistivity_ohm_m）</translation>
    </message>
    <message>
        <source>--standard is ieee80 or en50522</source>
        <translation>--standard 只能是 ieee80 或 en50522</translation>
    </message>
    <message>
        <source>cannot write the assessment</source>
        <translation>无法写出评估结果</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>未知字段</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>必须是数字</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>必须是整数</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>不得大于 %1</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>必须是 true 或 false</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>必须是对象</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>must be above zero</source>
        <translation>必须大于零</translation>
    </message>
    <message>
        <source>not JSON: %1 at character %2</source>
        <translation>不是 JSON：第 %2 个字符处 %1</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>不是 JSON 对象</translation>
    </message>
    <message>
        <source>%1 takes a date as YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation>%1 需要 YYYY-MM-DD 格式的日期，而不是 “%2”</translation>
    </message>
    <message>
        <source>--mode takes a mode code such as 1 (3Pole) to 10 (Iac)</source>
        <translation>--mode 需要模式代码，如 1（3Pole）至 10（Iac）</translation>
    </message>
    <message>
        <source>--format is table, csv or json</source>
        <translation>--format 只能是 table、csv 或 json</translation>
    </message>
    <message>
        <source>--mode, --site and --point apply to results, not to read-outs</source>
        <translation>--mode、--site 和 --point 适用于结果，不适用于读取记录</translation>
    </message>
    <message>
        <source>open takes one read-out id</source>
        <translation>open 需要一个读取记录编号</translation>
    </message>
    <message>
        <source>open needs --out FILE</source>
        <translation>open 需要 --out 文件</translation>
    </message>
    <message>
        <source>read-out %1 written to %2 (7200 bytes)</source>
        <translation>读取记录 %1 已写入 %2（7200 字节）</translation>
    </message>
    <message>
        <source>label takes an id and the label text</source>
        <translation>label 需要编号和标签文字</translation>
    </message>
    <message>
        <source>%1: is a folder, not a read-out image</source>
        <translation>%1：是文件夹，不是读取映像</translation>
    </message>
    <message>
        <source>%1: is a FIFO (named pipe), not a read-out image</source>
        <translation>%1：是 FIFO（命名管道），不是读取映像</translation>
    </message>
    <message>
        <source>%1: is a device, not a read-out image</source>
        <translation>%1：是设备，不是读取映像</translation>
    </message>
    <message>
        <source>%1: is a socket, not a read-out image</source>
        <translation>%1：是套接字，不是读取映像</translation>
    </message>
    <message>
        <source>%1: not a read-out image: a 7200-byte file expected, %2 bytes found</source>
        <translation>%1：不是读取映像：应为 7200 字节的文件，实为 %2 字节</translation>
    </message>
    <message>
        <source>--limit: %1</source>
        <translation>--limit：%1</translation>
    </message>
    <message>
        <source>--interval takes a number of months from 1 to 600</source>
        <translation>--interval 需要 1 至 600 的月数</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot;; see terrovane-cli --help</source>
        <translation>没有命令 “%1”；请参阅 terrovane-cli --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see terrovane-cli --help</source>
        <translation>未知命令 “%1”；请参阅 terrovane-cli --help</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>takes only one of %1</source>
        <translation>只能取 %1 之一</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 须与 %2 一起使用</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 需要 %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>多余的参数 “%1”</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>test point %1 added to %2</source>
        <translation>测试点 %1 已添加到 %2</translation>
    </message>
    <message>
        <source>test point %1 of %2 changed</source>
        <translation>%2 的测试点 %1 已修改</translation>
    </message>
    <message>
        <source>--kind is one of %1</source>
        <translation>--kind 只能是 %1 之一</translation>
    </message>
    <message>
        <source>--port %1: no port of the instrument&apos;s bridge has this device path or USB serial (terrovane-cli ports lists them)</source>
        <translation>--port %1：仪器的 USB 转串口没有这个设备路径或 USB 序列号的端口（terrovane-cli ports 会列出它们）</translation>
    </message>
    <message>
        <source>--port %1: several ports of the instrument&apos;s bridge have this USB serial; give the device path (terrovane-cli ports lists them)</source>
        <translation>--port %1：仪器的 USB 转串口有多个端口使用这个 USB 序列号；请给出设备路径（terrovane-cli ports 会列出它们）</translation>
    </message>
    <message>
        <source>the read-out could not be kept in the archive (%1); %2</source>
        <translation>读取的数据无法存入档案库（%1）；%2</translation>
    </message>
    <message>
        <source>the archive&apos;s ids of these results could not be read (%1)</source>
        <translation>无法读取这些结果在档案库中的编号（%1）</translation>
    </message>
    <message>
        <source>the results follow all the same</source>
        <translation>结果仍照常输出</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>the report is drawn all the same</source>
        <translation>报告仍照常生成</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf 需要文件名</translation>
    </message>
    <message>
        <source>--date must be YYYY-MM-DD</source>
        <translation>--date 必须是 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--lang must be zh, en or de, not &quot;%1&quot;</source>
        <translation>--lang 只能是 zh、en 或 de，而不是 “%1”</translation>
    </message>
    <message>
        <source>the translation could not be loaded; the report&apos;s texts stay as written</source>
        <translation>无法加载翻译；报告文字保持原样</translation>
    </message>
    <message>
        <source>site %1 added</source>
        <translation>站点 %1 已添加</translation>
    </message>
    <message>
        <source>site report of %1 written to %2 (%3)</source>
        <translation>%1 的站点报告已写入 %2（%3）</translation>
    </message>
    <message>
        <source>site %1 changed</source>
        <translation>站点 %1 已修改</translation>
    </message>
    <message>
        <source>--position takes LAT,LON in decimal degrees, e.g. 48.137,11.575</source>
        <translation>--position 需要以十进制度表示的 纬度,经度，例如 48.137,11.575</translation>
    </message>
    <message>
        <source>no resistivity results (mode 9) with a distance among the stored results</source>
        <translation>存储的结果中没有带距离的电阻率结果（模式 9）</translation>
    </message>
    <message>
        <source>no measured resistivity results (mode 9) with a distance are left to fit</source>
        <translation>没有剩下可供拟合的带距离的实测电阻率结果（模式 9）</translation>
    </message>
    <message>
        <source>--layers is 1, 2, 3 or auto</source>
        <translation>--layers 只能是 1、2、3 或 auto</translation>
    </message>
    <message>
        <source>--resistance applies to --csv only</source>
        <translation>--resistance 仅适用于 --csv</translation>
    </message>
    <message>
        <source>cannot write the model</source>
        <translation>无法写出模型</translation>
    </message>
    <message>
        <source>%1; the best model found is shown</source>
        <translation>%1；显示找到的最佳模型</translation>
    </message>
    <message>
        <source>--readout takes a read-out id as &quot;terrovane-cli history --readouts&quot; lists them, not &quot;%1&quot;</source>
        <translation>--readout 需要 “terrovane-cli history --readouts” 列出的读取记录编号，而不是 “%1”</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1：无法读取</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a table of readings</source>
        <translation>%1：大于 1 MiB，不是读数表</translation>
    </message>
    <message>
        <source>team schema made at layout %1; add the members with &quot;terrovane-cli team member add&quot;</source>
        <translation>团队架构已建立，布局版本 %1；请用 “terrovane-cli team member add” 添加成员</translation>
    </message>
    <message>
        <source>the team schema is there already at layout %1; nothing changed</source>
        <translation>团队架构已存在，布局版本 %1；未作任何更改</translation>
    </message>
    <message>
        <source>the team schema could not be made (run it as the database&apos;s owner, who needs the right to create roles)</source>
        <translation>无法建立团队架构（请以数据库所有者身份运行，该所有者需要创建角色的权限）</translation>
    </message>
    <message>
        <source>password for %1 (empty: keep an existing login&apos;s password): </source>
        <translation>%1 的密码（留空：保留现有登录的密码）：</translation>
    </message>
    <message numerus="yes">
        <source>%1 is a viewer of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 是团队的查看者，拥有 %n 个站点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is an admin of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 是团队的管理员，拥有 %n 个站点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is an inspector of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 是团队的检测员，拥有 %n 个站点</numerusform>
        </translation>
    </message>
    <message>
        <source>--role is inspector, viewer or admin</source>
        <translation>--role 只能是 inspector、viewer 或 admin</translation>
    </message>
    <message>
        <source>the member could not be added</source>
        <translation>无法添加该成员</translation>
    </message>
    <message>
        <source>the member could not be removed</source>
        <translation>无法移除该成员</translation>
    </message>
    <message>
        <source>%1 is no longer a member of the team</source>
        <translation>%1 已不再是团队成员</translation>
    </message>
    <message>
        <source>the server did not say its status</source>
        <translation>服务器未报告其状态</translation>
    </message>
    <message>
        <source>the server is newer than this program: update this program</source>
        <translation>服务器比本程序新：请更新本程序</translation>
    </message>
    <message>
        <source>the team server cannot be reached; nothing was changed, try again later</source>
        <translation>无法连接团队服务器；未作任何更改，请稍后重试</translation>
    </message>
    <message>
        <source>the team server refused the sign-in; check the user name and password</source>
        <translation>团队服务器拒绝登录；请检查用户名和密码</translation>
    </message>
    <message>
        <source>the team server was busy with a conflicting change; try again</source>
        <translation>团队服务器正忙于一项冲突的更改；请重试</translation>
    </message>
    <message>
        <source>the team server refused the change</source>
        <translation>团队服务器拒绝了该更改</translation>
    </message>
    <message>
        <source>the team server took too long to answer</source>
        <translation>团队服务器响应超时</translation>
    </message>
    <message>
        <source>the team server reported an error</source>
        <translation>团队服务器报告了错误</translation>
    </message>
    <message>
        <source>cannot connect to the team server</source>
        <translation>无法连接到团队服务器</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short yes typed to a question</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the yes typed to a question</comment>
        <translation>是</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>必须是文本</translation>
    </message>
    <message>
        <source>must be square, rectangular or l-shaped, not &quot;%1&quot;</source>
        <translation>只能是 square、rectangular 或 l-shaped，而不是 “%1”</translation>
    </message>
    <message>
        <source>only for an l-shaped grid</source>
        <translation>仅适用于 L 形接地网</translation>
    </message>
    <message>
        <source>must be inside, perimeter or corners, not &quot;%1&quot;</source>
        <translation>只能是 inside、perimeter 或 corners，而不是 “%1”</translation>
    </message>
    <message>
        <source>goes with fault.current_a, not with fault.grid_current_a</source>
        <translation>须与 fault.current_a 一起使用，不能与 fault.grid_current_a 一起使用</translation>
    </message>
    <message>
        <source>missing (or fault.current_a with its split factor)</source>
        <translation>缺失（或给出 fault.current_a 及其分流系数）</translation>
    </message>
    <message>
        <source>must not be negative</source>
        <translation>不得为负</translation>
    </message>
    <message>
        <source>must be at least 2</source>
        <translation>至少为 2</translation>
    </message>
    <message>
        <source>must be 50 or 70</source>
        <translation>只能是 50 或 70</translation>
    </message>
    <message>
        <source>must be at most 1</source>
        <translation>不得大于 1</translation>
    </message>
    <message>
        <source>must be smaller than the grid</source>
        <translation>必须小于接地网</translation>
    </message>
    <message>
        <source>does not fall on a conductor: the conductors&apos; spacing does not fit it</source>
        <translation>不在导体上：导体间距与之不符</translation>
    </message>
    <message>
        <source>a square grid needs equal length and width and as many conductors each way</source>
        <translation>正方形接地网要求长宽相等，且两个方向的导体数相同</translation>
    </message>
    <message>
        <source>is not accepted</source>
        <translation>不被接受</translation>
    </message>
    <message>
        <source>[OK: --yes]</source>
        <translation>[确定：--yes]</translation>
    </message>
    <message>
        <source>[Cancel: no terminal to ask; --yes answers OK]</source>
        <translation>[取消：没有可询问的终端；--yes 表示确定]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <translation>[y/N]</translation>
    </message>
    <message numerus="yes">
        <source>the team server refused %n change(s) (no right to change it, or not valid); they stay in the archive</source>
        <translation>
            <numerusform>团队服务器拒绝了 %n 项更改（无权更改或无效）；它们保留在档案中</numerusform>
        </translation>
    </message>
    <message>
        <source>a conflict&apos;s ID is a whole number from &quot;team conflicts&quot;</source>
        <translation>冲突编号是“team conflicts”列出的整数</translation>
    </message>
    <message>
        <source>--keep is kept or lost</source>
        <translation>--keep 取 kept 或 lost</translation>
    </message>
    <message>
        <source>there is no open conflict %1</source>
        <translation>没有未解决的冲突 %1</translation>
    </message>
    <message>
        <source>conflict %1 resolved: the kept value stays</source>
        <translation>冲突 %1 已解决：保留的值不变</translation>
    </message>
    <message>
        <source>conflict %1 resolved: the lost value is back and goes with the next sync</source>
        <translation>冲突 %1 已解决：落选的值已恢复，将随下次同步发送</translation>
    </message>
    <message>
        <source>not encrypted (a local socket: nothing crosses a network)</source>
        <translation>未加密（本地套接字：不经过网络）</translation>
    </message>
    <message>
        <source>NOT encrypted: the connection string asks for sslmode=%1</source>
        <translation>未加密：连接字符串要求 sslmode=%1</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate verified (its authority and its name)</source>
        <translation>已加密，%1；服务器证书已验证（签发机构和名称）</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate verified against its authority, not its name</source>
        <translation>已加密，%1；服务器证书已按签发机构验证，未验证名称</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate not verified (name its root certificate with sslrootcert to verify it)</source>
        <translation>已加密，%1；服务器证书未验证（用 sslrootcert 指定其根证书即可验证）</translation>
    </message>
    <message>
        <source>server layout: none (this program: %1)</source>
        <translation>服务器布局：无（本程序：%1）</translation>
    </message>
    <message>
        <source>server layout: %1 (this program: %2)</source>
        <translation>服务器布局：%1（本程序：%2）</translation>
    </message>
    <message>
        <source>signed in as:  %1 (not a member of the team)</source>
        <translation>登录身份：%1（不是团队成员）</translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (viewer, member of %n site(s))</source>
        <translation>
            <numerusform>登录身份：%1（查看者，属于 %n 个站点）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (admin, member of %n site(s))</source>
        <translation>
            <numerusform>登录身份：%1（管理员，属于 %n 个站点）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (inspector, member of %n site(s))</source>
        <translation>
            <numerusform>登录身份：%1（检测员，属于 %n 个站点）</numerusform>
        </translation>
    </message>
    <message>
        <source>server:        reachable, PostgreSQL %1</source>
        <translation>服务器：可连接，PostgreSQL %1</translation>
    </message>
    <message>
        <source>connection:    %1</source>
        <translation>连接：%1</translation>
    </message>
    <message>
        <source>the team server offers no encrypted connection (TLS), so nothing was sent, the password least of all; its administrator turns TLS on at the server (ssl = on), or, on a network you trust, the connection string asks for sslmode=disable by name</source>
        <translation>团队服务器不提供加密连接（TLS），因此未发送任何内容，密码更不会发送；请服务器管理员开启 TLS（ssl = on），或仅在可信网络中于连接字符串里明确写上 sslmode=disable</translation>
    </message>
    <message>
        <source>the team schema is there at layout %1, this program knows layout %2; nothing changed (an older one: &quot;terrovane-cli team upgrade&quot;)</source>
        <translation>团队架构已存在，版本为 %1，本程序使用版本 %2；未做任何更改（较旧的版本：“terrovane-cli team upgrade”）</translation>
    </message>
    <message>
        <source>the team schema went from layout %1 to layout %2; every row and every archive&apos;s place were kept</source>
        <translation>团队架构已从版本 %1 升级到版本 %2；所有数据行和每个档案的同步位置均已保留</translation>
    </message>
    <message>
        <source>the team schema is at layout %1 already; nothing changed</source>
        <translation>团队架构已是版本 %1；未做任何更改</translation>
    </message>
    <message>
        <source>the team schema is at layout %1, newer than this program&apos;s %2: update this program; nothing changed</source>
        <translation>团队架构为版本 %1，比本程序的版本 %2 新：请更新本程序；未做任何更改</translation>
    </message>
    <message>
        <source>the team schema could not be upgraded (run it as the database&apos;s owner); nothing changed</source>
        <translation>无法升级团队架构（请以数据库所有者身份运行）；未做任何更改</translation>
    </message>
    <message>
        <source>the server is older than this program: its owner runs &quot;terrovane-cli team upgrade&quot;</source>
        <translation>服务器比本程序旧：请服务器的所有者运行“terrovane-cli team upgrade”</translation>
    </message>
    <message>
        <source>--rod takes the rod&apos;s length in metres, and its diameter after a comma</source>
        <translation>--rod 需要接地棒的长度（米），逗号后可加直径</translation>
    </message>
    <message>
        <source>--direction takes the line&apos;s direction in degrees from the x axis</source>
        <translation>--direction 需要测量线从 x 轴起算的方向（度）</translation>
    </message>
    <message>
        <source>--flatness takes the plateau&apos;s flatness in per cent, above zero</source>
        <translation>--flatness 需要大于零的平台平坦度（百分比）</translation>
    </message>
    <message>
        <source>the current probe must stand beyond the electrode and within 100 km</source>
        <translation>电流极必须位于接地体之外且在 100 km 以内</translation>
    </message>
    <message>
        <source>the soil model has a layer the computation cannot take</source>
        <translation>土壤模型中有一层无法用于计算</translation>
    </message>
    <message>
        <source>the electrode has a conductor without length or radius, or above the surface</source>
        <translation>接地体中有导体没有长度或半径，或位于地面以上</translation>
    </message>
    <message>
        <source>the electrode could not be computed in this soil</source>
        <translation>无法在该土壤中计算此接地体</translation>
    </message>
    <message>
        <source>cannot write the plan</source>
        <translation>无法写出测量规划</translation>
    </message>
    <message>
        <source>needs --rho, --soil-model or --site (or soil.resistivity_ohm_m or soil.layers in the design)</source>
        <translation>需要 --rho、--soil-model 或 --site（或设计中的 soil.resistivity_ohm_m 或 soil.layers）</translation>
    </message>
    <message>
        <source>the solver gave up on this grid (too many segments, or conductors on top of each other): use --method formulas</source>
        <translation>求解器无法计算此接地网（分段过多或导体相互重叠）：请使用 --method formulas</translation>
    </message>
    <message>
        <source>the grid could not be computed</source>
        <translation>无法计算此接地网</translation>
    </message>
    <message>
        <source>--map names a .csv or .json file</source>
        <translation>--map 应为 .csv 或 .json 文件</translation>
    </message>
    <message>
        <source>--method is computed or formulas</source>
        <translation>--method 为 computed 或 formulas</translation>
    </message>
    <message>
        <source>--map needs the computed method</source>
        <translation>--map 需要 computed 方法</translation>
    </message>
    <message>
        <source>must be an array</source>
        <translation>必须是数组</translation>
    </message>
    <message>
        <source>must have 1 to %1 layers</source>
        <translation>必须有 1 至 %1 层</translation>
    </message>
    <message>
        <source>the last layer goes on downwards: no thickness</source>
        <translation>最后一层向下无限延伸：不能有厚度</translation>
    </message>
    <message>
        <source>give either resistivity_ohm_m or layers</source>
        <translation>请给出 resistivity_ohm_m 或 layers 之一</translation>
    </message>
    <message>
        <source>the soil model has a layer without a resistivity or thickness</source>
        <translation>土壤模型中有一层缺少电阻率或厚度</translation>
    </message>
    <message>
        <source>--point takes SITE/POINT</source>
        <translation>--point 需要 站点/测试点</translation>
    </message>
    <message>
        <source>a typed result&apos;s id is a whole number as &quot;result show&quot; prints it, not &quot;%1&quot;</source>
        <translation>录入结果的编号是“result show”显示的整数，而不是“%1”</translation>
    </message>
    <message>
        <source>typed result %1 added</source>
        <translation>已添加录入结果 %1</translation>
    </message>
    <message>
        <source>typed result %1 corrected as %2</source>
        <translation>录入结果 %1 已更正为 %2</translation>
    </message>
    <message>
        <source>--format is table, csv, json or ics</source>
        <translation>--format 可为 table、csv、json 或 ics</translation>
    </message>
    <message>
        <source>--within is a number of days from 0 to %1</source>
        <translation>--within 是 0 到 %1 之间的天数</translation>
    </message>
    <message>
        <source>--format is table, csv, json, geojson or kml</source>
        <translation>--format 可为 table、csv、json、geojson 或 kml</translation>
    </message>
    <message numerus="yes">
        <source>%n site(s) without a position left out</source>
        <translation>
            <numerusform>已略去 %n 个没有位置的站点</numerusform>
        </translation>
    </message>
    <message>
        <source>the mapping could not be remembered: %1</source>
        <translation>无法记住该映射：%1</translation>
    </message>
    <message>
        <source>%1 is too large for a mapping</source>
        <translation>%1 太大，不是映射文件</translation>
    </message>
    <message>
        <source>--sites needs --mapping</source>
        <translation>--sites 需要 --mapping</translation>
    </message>
    <message>
        <source>site &quot;%1&quot; has no stored grid assessment</source>
        <translation>站点“%1”没有已保存的接地网评估</translation>
    </message>
    <message>
        <source>--profile-out names a .csv or .json file</source>
        <translation>--profile-out 须指定 .csv 或 .json 文件</translation>
    </message>
    <message>
        <source>--profile needs the computed method</source>
        <translation>--profile 需要计算方法</translation>
    </message>
    <message>
        <source>--profile-out needs --profile</source>
        <translation>--profile-out 需要 --profile</translation>
    </message>
    <message>
        <source>--profile is X1,Y1,X2,Y2: two different points in metres</source>
        <translation>--profile 为 X1,Y1,X2,Y2：两个不同的点，单位为米</translation>
    </message>
    <message>
        <source>an attachment&apos;s id is a whole number as &quot;attachments&quot; lists it, not &quot;%1&quot;</source>
        <translation>附件编号是“attachments”列出的整数，而不是“%1”</translation>
    </message>
    <message>
        <source>attachment %1 added to %2</source>
        <translation>附件 %1 已添加到 %2</translation>
    </message>
    <message>
        <source>taken %1</source>
        <translation>拍摄于 %1</translation>
    </message>
    <message>
        <source>taken at %1,%2 (&quot;site set SITE --position LAT,LON&quot; makes it the site&apos;s)</source>
        <translation>拍摄位置 %1,%2（“site set SITE --position LAT,LON”可将其设为站点位置）</translation>
    </message>
    <message>
        <source>attachment %1 written to %2</source>
        <translation>附件 %1 已写入 %2</translation>
    </message>
    <message>
        <source>caption of attachment %1 set</source>
        <translation>附件 %1 的说明已设置</translation>
    </message>
    <message>
        <source>attachment %1 removed</source>
        <translation>附件 %1 已移除</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>firm set needs at least one of its options</source>
        <translation>firm set 至少需要一个选项</translation>
    </message>
    <message>
        <source>the firm&apos;s profile is kept; in a team it goes to the server with the next sync, where only an admin may change it</source>
        <translation>公司资料已保存；在团队中它将随下次同步发送到服务器，只有管理员可以更改</translation>
    </message>
    <message>
        <source>--revision is a whole number from 1, not &quot;%1&quot;</source>
        <translation>--revision 是从 1 起的整数，而不是“%1”</translation>
    </message>
    <message>
        <source>report %1, revision %2, written to %3</source>
        <translation>报告 %1 第 %2 版已写入 %3</translation>
    </message>
    <message>
        <source>the team server issues report numbers to inspectors and admins only: %1</source>
        <translation>团队服务器只向检测员和管理员发放报告编号：%1</translation>
    </message>
    <message>
        <source>the team server gave no number (%1); this PC issues one of its own</source>
        <translation>团队服务器未给出编号（%1）；本机自行发放一个</translation>
    </message>
    <message>
        <source>the report written to %1 cannot be read back to keep it</source>
        <translation>写入 %1 的报告无法读回以保存</translation>
    </message>
    <message>
        <source>report %1, revision %2, issued %3 and kept in the archive</source>
        <translation>报告 %1 第 %2 版已于 %3 签发并保存在档案库中</translation>
    </message>
    <message>
        <source>--revise NUMBER goes with --issue</source>
        <translation>--revise NUMBER 需与 --issue 一起使用</translation>
    </message>
    <message>
        <source>the team server refused the firm&apos;s profile as changed here: only an admin changes it; the team&apos;s profile is back in the archive</source>
        <translation>团队服务器拒绝了此处更改的公司资料：只有管理员可以更改；团队的资料已恢复到档案库中</translation>
    </message>
    <message>
        <source>attachment report takes yes or no, not &quot;%1&quot;</source>
        <translation>attachment report 只接受 yes 或 no，而不是“%1”</translation>
    </message>
    <message>
        <source>attachment %1 goes into the site report</source>
        <translation>附件 %1 将放入现场报告</translation>
    </message>
    <message>
        <source>attachment %1 stays out of the site report</source>
        <translation>附件 %1 不放入现场报告</translation>
    </message>
    <message>
        <source>%1 needs --pdf FILE</source>
        <translation>%1 需要 --pdf 文件</translation>
    </message>
    <message>
        <source>certificates of %1 written to %2</source>
        <translation>%1 的测试证书已写入 %2</translation>
    </message>
    <message>
        <source>a visit&apos;s id is a whole number as &quot;visits&quot; lists it, not &quot;%1&quot;</source>
        <translation>现场访问的 ID 是 &quot;visits&quot; 列出的整数，而不是&quot;%1&quot;</translation>
    </message>
    <message>
        <source>--instrument takes &quot;NAME;SERIAL;DUE&quot;, not &quot;%1&quot;</source>
        <translation>--instrument 的格式为 &quot;NAME;SERIAL;DUE&quot;，而不是&quot;%1&quot;</translation>
    </message>
    <message>
        <source>--temperature takes degrees Celsius, as 12.5, not &quot;%1&quot;</source>
        <translation>--temperature 取摄氏度，如 12.5，而不是&quot;%1&quot;</translation>
    </message>
    <message>
        <source>--soil is dry, moist, wet or frozen, not &quot;%1&quot;</source>
        <translation>--soil 为 dry、moist、wet 或 frozen，而不是&quot;%1&quot;</translation>
    </message>
    <message>
        <source>warning: the calibration of %1 (serial %2) was due on %3, before the visit</source>
        <translation>警告：%1（序列号 %2）的校准已于 %3 到期，早于现场访问</translation>
    </message>
    <message>
        <source>visit %1 added</source>
        <translation>已添加现场访问 %1</translation>
    </message>
    <message>
        <source>visit %1 changed</source>
        <translation>已修改现场访问 %1</translation>
    </message>
    <message>
        <source>visit %1 deleted; its results stay with their points</source>
        <translation>已删除现场访问 %1；其结果仍留在各自的测试点</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned to visit %1</source>
        <translation>
            <numerusform>已将 %n 个结果分配到现场访问 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>typed traverse %1 added</source>
        <translation>已添加录入测线 %1</translation>
    </message>
    <message>
        <source>give the readings with --wenner or with --schlumberger</source>
        <translation>请用 --wenner 或 --schlumberger 给出读数</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a sounding&apos;s readings are all resistances or all resistivities</source>
        <translation>“%1”：一次测深的读数要么全是电阻，要么全是电阻率</translation>
    </message>
    <message>
        <source>typed sounding %1 added</source>
        <translation>已添加录入测深 %1</translation>
    </message>
    <message>
        <source>a reading is DISTANCE=VALUE[UNIT] in metres and ohms or ohm-metres, as 10=4.2 or 2=85ohm.m, not &quot;%1&quot;</source>
        <translation>读数写作 距离=数值[单位]，单位为米和欧姆或欧姆·米，例如 10=4.2 或 2=85ohm.m，而不是“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a value over range is no reading a curve can pass through</source>
        <translation>“%1”：超量程的值不是曲线可以经过的读数</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: say the unit, ohm for a resistance or ohm.m for a resistivity</source>
        <translation>“%1”：请写明单位，电阻用 ohm，电阻率用 ohm.m</translation>
    </message>
    <message>
        <source>an id is a whole number as the listing prints it, not &quot;%1&quot;</source>
        <translation>编号是列表中显示的整数，而不是“%1”</translation>
    </message>
    <message>
        <source>nothing holds these words</source>
        <translation>没有条目包含这些词</translation>
    </message>
    <message numerus="yes">
        <source>%n typed result(s) assigned to visit %1</source>
        <translation>
            <numerusform>已将 %n 个录入的结果分配到现场访问 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>a Schlumberger reading is AB2/MN2=VALUE[UNIT], AB/2 and MN/2 in metres, as 10/1=80ohm.m, not &quot;%1&quot;</source>
        <translation>施伦贝格读数写作 AB2/MN2=数值[单位]，AB/2 和 MN/2 以米计，例如 10/1=80ohm.m，而不是“%1”</translation>
    </message>
    <message>
        <source>this Schlumberger sounding was kept without MN/2, which the fit needs: add it again with AB2/MN2=VALUE readings</source>
        <translation>此施伦贝格测深保存时没有 MN/2，而拟合需要它：请用 AB2/MN2=数值 的读数重新添加</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>Site</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Result&apos;s test point</source>
        <translation>结果的测试点</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>纬度</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>经度</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Limit source</source>
        <translation>限值来源</translation>
    </message>
    <message>
        <source>Test interval</source>
        <translation>检测周期</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>已删除</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>this PC</source>
        <translation>本机</translation>
    </message>
</context>
<context>
    <name>DisplayPanel</name>
    <message>
        <source>Instrument display</source>
        <translation>仪表显示</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>%1 is loaded as a module</source>
        <translation>%1 已作为模块加载</translation>
    </message>
    <message>
        <source>%1 is built into the kernel</source>
        <translation>%1 已内置于内核</translation>
    </message>
    <message>
        <source>%1 is installed; the kernel loads it when the bridge is plugged in</source>
        <translation>%1 已安装；插入桥接芯片时内核会加载它</translation>
    </message>
    <message>
        <source>%1 is installed but not loaded although the bridge is attached</source>
        <translation>%1 已安装但未加载，而桥接芯片已连接</translation>
    </message>
    <message>
        <source>this kernel (%1) has no %2 driver</source>
        <translation>此内核（%1）没有 %2 驱动程序</translation>
    </message>
    <message>
        <source>install the kernel&apos;s extra modules (Ubuntu: %1), then plug the instrument in again</source>
        <translation>安装内核的附加模块（Ubuntu：%1），然后重新插入仪器</translation>
    </message>
    <message>
        <source>%1, then plug the instrument in again</source>
        <translation>执行 %1，然后重新插入仪器</translation>
    </message>
    <message>
        <source>no USB device of the bridge&apos;s vendor (%1) is attached</source>
        <translation>未连接桥接芯片厂商（%1）的 USB 设备</translation>
    </message>
    <message>
        <source>plug the instrument in with a data cable (not a charging-only one) and switch it on; %1 should then list %2</source>
        <translation>用数据线（而非仅能充电的线）连接仪器并开机；之后 %1 应列出 %2</translation>
    </message>
    <message>
        <source>%1:%2 at USB %3</source>
        <extracomment>The USB device: %1 vendor id, %2 product id, %3 its place on the USB bus (&quot;1-1.4&quot;).</extracomment>
        <translation>位于 USB %3 的 %1:%2</translation>
    </message>
    <message>
        <source>%1:%2 at USB %3 (serial %4)</source>
        <extracomment>The USB device: %1 vendor id, %2 product id, %3 its place on the USB bus, %4 its serial number.</extracomment>
        <translation>位于 USB %3 的 %1:%2（序列号 %4）</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 a USB device (&quot;10c4:ea60 at USB 1-1&quot;), %2 the serial ports it got (&quot;ttyUSB0&quot;).</extracomment>
        <translation>%1 为 %2</translation>
    </message>
    <message>
        <source>%1; the instrument&apos;s bridge is %2</source>
        <extracomment>%1 the USB devices found with their ports, %2 the vendor:product id of the instrument&apos;s bridge.</extracomment>
        <translation>%1；仪器的桥接芯片是 %2</translation>
    </message>
    <message>
        <source>check that this is the instrument and not another adapter</source>
        <translation>确认这是仪器而不是其他适配器</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): a program holds its interface through usbfs (brltty does this)</source>
        <translation>%1 没有串口（tty）：有程序通过 usbfs 占用了它的接口（brltty 会这样做）</translation>
    </message>
    <message>
        <source>see the brltty line below; then unplug and plug the instrument in again</source>
        <translation>参见下方 brltty 一行；然后拔下仪器再重新插入</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): no driver is bound to it</source>
        <translation>%1 没有串口（tty）：没有绑定任何驱动程序</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): its interface is bound to %2</source>
        <translation>%1 没有串口（tty）：其接口绑定到了 %2</translation>
    </message>
    <message>
        <source>unplug and plug the instrument in again</source>
        <translation>拔下仪器再重新插入</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>未安装</translation>
    </message>
    <message>
        <source>installed, running</source>
        <translation>已安装，正在运行</translation>
    </message>
    <message>
        <source>installed, not running</source>
        <translation>已安装，未运行</translation>
    </message>
    <message>
        <source>%1; its rule %2 (line %3) claims %4 and takes the tty away a second after plug-in</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 a rule file, %3 a line number, %4 vendor:product id.</extracomment>
        <translation>%1；其规则 %2（第 %3 行）认领 %4，插入一秒后就夺走 tty</translation>
    </message>
    <message>
        <source>%1; its rule is switched off by %2</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 the file that switches the rule off.</extracomment>
        <translation>%1；其规则已被 %2 禁用</translation>
    </message>
    <message>
        <source>%1; none of its rules claims %2</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 vendor:product id.</extracomment>
        <translation>%1；其规则均未认领 %2</translation>
    </message>
    <message>
        <source>%1 (unless you use a braille display), or delete line %2 of %3; then %4 and plug the instrument in again</source>
        <extracomment>%1 and %4 commands, %2 a line number, %3 a rule file.</extracomment>
        <translation>执行 %1（除非您使用盲文显示器），或删除 %3 的第 %2 行；然后执行 %4 并重新插入仪器</translation>
    </message>
    <message>
        <source>%1 (unless you use a braille display), or override its rule: %2 and delete line %3 in the copy; then %4 and plug the instrument in again</source>
        <extracomment>%1, %2 and %4 commands, %3 a line number.</extracomment>
        <translation>执行 %1（除非您使用盲文显示器），或覆盖其规则：执行 %2，并在副本中删除第 %3 行；然后执行 %4 并重新插入仪器</translation>
    </message>
    <message>
        <source>%1 is not installed: only root and dialout may open the port, and it has no stable name</source>
        <translation>%1 未安装：只有 root 和 dialout 组能打开该端口，且端口没有固定名称</translation>
    </message>
    <message>
        <source>install the %1 package (or copy its %2 into %3), run %4 and plug the instrument in again</source>
        <extracomment>%1 the package, %2 the rule file, %3 a folder, %4 a command.</extracomment>
        <translation>安装 %1 软件包（或将其中的 %2 复制到 %3），执行 %4 并重新插入仪器</translation>
    </message>
    <message>
        <source>%1 switches the rule off</source>
        <translation>%1 禁用了该规则</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>未运行</translation>
    </message>
    <message>
        <source>running; %1 keeps it off the bridge</source>
        <translation>正在运行；%1 使其不接触桥接芯片</translation>
    </message>
    <message>
        <source>running, and no rule keeps it off the bridge: it may send AT commands to the instrument for a few seconds after plug-in</source>
        <translation>正在运行，且没有规则使其不接触桥接芯片：插入后的几秒内它可能向仪器发送 AT 指令</translation>
    </message>
    <message>
        <source>install the %1 package (its udev rule sets %2), or %3</source>
        <translation>安装 %1 软件包（其 udev 规则会设置 %2），或执行 %3</translation>
    </message>
    <message>
        <source> (not in the way: the port-map file names the port)</source>
        <translation>（不受影响：端口映射文件已指定端口）</translation>
    </message>
    <message>
        <source>live system</source>
        <translation>当前系统</translation>
    </message>
    <message>
        <source>live system under %1</source>
        <translation>%1 下的系统</translation>
    </message>
    <message>
        <source>%1 file %2</source>
        <extracomment>%1 the environment variable&apos;s name, %2 the file it names.</extracomment>
        <translation>%1 文件 %2</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>未指定</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <extracomment>%1 the port map in force (&quot;live system&quot; or a file), %2 why it cannot be read.</extracomment>
        <translation>%1：无法读取：%2</translation>
    </message>
    <message>
        <source>point %1 at a port-map file, or unset it to use the live ports</source>
        <translation>将 %1 指向端口映射文件，或取消设置以使用系统中现有的端口</translation>
    </message>
    <message>
        <source>%1: no port of the bridge is published in it</source>
        <translation>%1：其中没有桥接芯片的端口</translation>
    </message>
    <message>
        <source>see the bridge line above</source>
        <translation>参见上方桥接芯片一行</translation>
    </message>
    <message>
        <source>%1: port name &quot;%2&quot;: %3</source>
        <translation>%1：端口名“%2”：%3</translation>
    </message>
    <message>
        <source>correct the port-map file</source>
        <translation>修正端口映射文件</translation>
    </message>
    <message>
        <source>%1: %2 opens no device</source>
        <translation>%1：%2 没有对应的设备</translation>
    </message>
    <message>
        <source>name the device of %1 in the map&apos;s %2 section</source>
        <translation>在映射文件的 %2 节中填写 %1 的设备</translation>
    </message>
    <message>
        <source>%1: discovery chooses %2, which opens %3</source>
        <translation>%1：端口查找选择 %2，它打开 %3</translation>
    </message>
    <message>
        <source>no port to check</source>
        <translation>没有可检查的端口</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 不存在</translation>
    </message>
    <message>
        <source>plug the instrument in and switch it on</source>
        <translation>插入仪器并开机</translation>
    </message>
    <message>
        <source>%1 (owner %2, group %3, %4)</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its permissions (&quot;crw-rw----&quot;).</extracomment>
        <translation>%1（所有者 %2，组 %3，%4）</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: joined %3 after this login began</source>
        <translation>%1：%2 无权打开：本次登录之后才加入 %3</translation>
    </message>
    <message>
        <source>log out and log in again (or reboot) so the session gets group %1</source>
        <translation>注销后重新登录（或重启），使会话获得 %1 组</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: not a member of %3, and its access list (uaccess) has no entry for %2</source>
        <extracomment>%1 the device with its owner, group and permissions, %2 the user, %3 the group.</extracomment>
        <translation>%1：%2 无权打开：不是 %3 组的成员，且其访问控制列表（uaccess）中没有 %2 的条目</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: its group may not open it either, and its access list (uaccess) has no entry for %2</source>
        <translation>%1：%2 无权打开：其所属组也无权打开，且其访问控制列表（uaccess）中没有 %2 的条目</translation>
    </message>
    <message>
        <source>the udev rule gives the port to the user at the computer&apos;s own screen (not over ssh): log in there and plug the instrument in again</source>
        <translation>udev 规则只把端口交给坐在本机屏幕前的用户（不含通过 ssh 登录的用户）：请在本机上登录并重新插入仪器</translation>
    </message>
    <message>
        <source>install the %1 package: its udev rule lets the logged-in user open the port</source>
        <translation>安装 %1 软件包：其 udev 规则允许已登录的用户打开端口</translation>
    </message>
    <message>
        <source>; or %1, then log in again</source>
        <translation>；或执行 %1，然后重新登录</translation>
    </message>
    <message>
        <source>%1: %2 may open it as root</source>
        <translation>%1：%2 以 root 身份可以打开</translation>
    </message>
    <message>
        <source>%1: %2 may open it as its owner</source>
        <translation>%1：%2 作为所有者可以打开</translation>
    </message>
    <message>
        <source>%1: %2 may open it through its access list (uaccess)</source>
        <translation>%1：%2 通过其访问控制列表（uaccess）可以打开</translation>
    </message>
    <message>
        <source>%1: %2 may open it through group %3</source>
        <translation>%1：%2 通过 %3 组可以打开</translation>
    </message>
    <message>
        <source>%1: %2 may open it as anyone may</source>
        <translation>%1：%2 可以打开（所有人均可打开）</translation>
    </message>
    <message>
        <source>no other program holds %1</source>
        <translation>没有其他程序占用 %1</translation>
    </message>
    <message>
        <source>%1 is held by %2</source>
        <extracomment>%1 the device, %2 the programs holding it (&quot;minicom (pid 9)&quot;).</extracomment>
        <translation>%1 被 %2占用</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1（PID %2）</translation>
    </message>
    <message>
        <source>; served by the simulated instrument %1</source>
        <translation>；由模拟仪器 %1提供</translation>
    </message>
    <message numerus="yes">
        <source> (%n processes of other users not looked at; sudo shows them)</source>
        <translation>
            <numerusform>（其他用户的 %n 个进程未检查；用 sudo 可查看）</numerusform>
        </translation>
    </message>
    <message>
        <source>close that program, or end it: %1</source>
        <translation>关闭该程序，或将其结束：%1</translation>
    </message>
    <message>
        <source>the instrument answered on %1</source>
        <translation>仪器已在 %1 上应答</translation>
    </message>
    <message>
        <source>no answer: %1</source>
        <extracomment>%1 what the link said: the message a command would have shown.</extracomment>
        <translation>无应答：%1</translation>
    </message>
    <message>
        <source>mend the first failing line above; if all pass, switch the instrument on and check the cable</source>
        <translation>先解决上面第一个失败的项目；若全部通过，请打开仪器并检查电缆</translation>
    </message>
    <message>
        <source>not tried: the link finds its port on the running system, not in this tree</source>
        <translation>未尝试：通信链路在当前系统中查找端口，而不是在此目录树中</translation>
    </message>
    <message>
        <source>not tried (%1)</source>
        <translation>未尝试（%1）</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list: ttys, drivers, programs.</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>driver</source>
        <translation>驱动程序</translation>
    </message>
    <message>
        <source>bridge</source>
        <translation>桥接芯片</translation>
    </message>
    <message>
        <source>udev rule</source>
        <translation>udev 规则</translation>
    </message>
    <message>
        <source>port map</source>
        <translation>端口映射</translation>
    </message>
    <message>
        <source>access</source>
        <translation>访问权限</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>占用</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>握手</translation>
    </message>
    <message>
        <source>fix: </source>
        <extracomment>Before what to do about a finding; seven spaces come before it, under the finding&apos;s mark.</extracomment>
        <translation>解决：</translation>
    </message>
</context>
<context>
    <name>DueList</name>
    <message>
        <source>now (overdue)</source>
        <translation>现在（逾期）</translation>
    </message>
    <message>
        <source>%1 (overdue)</source>
        <translation>%1（逾期）</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从未</translation>
    </message>
    <message numerus="yes">
        <source>%1, then %n failed reading(s)</source>
        <translation>
            <numerusform>%1，之后 %n 次测量失败</numerusform>
        </translation>
    </message>
    <message>
        <source>Due list</source>
        <translation>到期清单</translation>
    </message>
    <message numerus="yes">
        <source>Overdue and due within %n day(s) of %1</source>
        <translation>
            <numerusform>逾期以及自 %1 起 %n 天内到期</numerusform>
        </translation>
    </message>
    <message>
        <source>Site</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>上次测试</translation>
    </message>
    <message>
        <source>Last result</source>
        <translation>上次结果</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>到期</translation>
    </message>
    <message>
        <source>No test point falls due.</source>
        <translation>没有到期的测试点。</translation>
    </message>
</context>
<context>
    <name>ExportPath</name>
    <message>
        <source>Excel workbook (*.xlsx);;excel file(*.xls);;CSV file(*.csv);;JSON file(*.json)</source>
        <translation>Excel 工作簿 (*.xlsx);;excel 文件(*.xls);;CSV 文件(*.csv);;JSON 文件(*.json)</translation>
    </message>
</context>
<context>
    <name>FopSummary</name>
    <message>
        <source>Resistance at 61.8 % of D: %1</source>
        <translation>D 的 61.8 % 处电阻：%1</translation>
    </message>
    <message>
        <source>Plateau: yes, spread %1 % (tolerance %2 %)</source>
        <translation>平台：有，离散 %1 %（容差 %2 %）</translation>
    </message>
    <message>
        <source>Plateau: no, spread %1 % (tolerance %2 %)</source>
        <translation>平台：无，离散 %1 %（容差 %2 %）</translation>
    </message>
    <message>
        <source>Slope method: mu %1, Pt/C %2, resistance %3</source>
        <translation>斜率法：mu %1，Pt/C %2，电阻 %3</translation>
    </message>
</context>
<context>
    <name>FopWindow</name>
    <message>
        <source>Fall of potential - %1</source>
        <translation>电位降法 - %1</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>电位降法</translation>
    </message>
    <message>
        <source>Current probe D (m):</source>
        <translation>电流极距离 D (m)：</translation>
    </message>
    <message>
        <source>Spread evenly</source>
        <translation>均匀分布</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>测量时间</translation>
    </message>
    <message>
        <source>Re (ohm)</source>
        <translation>Re (Ω)</translation>
    </message>
    <message>
        <source>Potential probe x (m)</source>
        <translation>电压极距离 x (m)</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>与 %1 一起保存</translation>
    </message>
    <message>
        <source>Store with test point</source>
        <translation>与测试点一起保存</translation>
    </message>
    <message>
        <source>The results belong to no one test point: assign them first</source>
        <translation>这些结果不属于同一个测试点：请先分配</translation>
    </message>
    <message>
        <source>Curve stored with %1</source>
        <translation>曲线已与 %1 一起保存</translation>
    </message>
    <message>
        <source>Row %1: the potential-probe distance is a number of metres above 0.</source>
        <translation>第 %1 行：电压极距离应为大于 0 的米数。</translation>
    </message>
    <message>
        <source>A fall-of-potential curve needs at least two 3-pole or 4-pole results with a measured value.</source>
        <translation>电位降曲线至少需要两个带测量值的三极法或四极法结果。</translation>
    </message>
    <message>
        <source>; %1 left out (see below)</source>
        <translation>；%1 个被排除（见下文）</translation>
    </message>
    <message>
        <source>Save plot...</source>
        <translation>保存图...</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) are no 3-pole or 4-pole earth resistance and left out</source>
        <translation>
            <numerusform>%n 个结果不是三极或四极接地电阻，已略去</numerusform>
        </translation>
    </message>
    <message>
        <source>Rod length (m):</source>
        <translation>接地棒长度（m）：</translation>
    </message>
    <message>
        <source>The rod the predicted curve is worked out for</source>
        <translation>计算预测曲线所用的接地棒</translation>
    </message>
    <message>
        <source>the site&apos;s grid of %1 m x %2 m</source>
        <translation>站点的 %1 m x %2 m 接地网</translation>
    </message>
    <message>
        <source>a rod of %1 m</source>
        <translation>一根 %1 m 的接地棒</translation>
    </message>
    <message>
        <source>Soil model, %1: %2 Ω; the predicted curve does not reach it before the current probe: a longer D is needed.</source>
        <translation>土壤模型，%1：%2 Ω；预测曲线在电流极之前达不到该值：需要更大的 D。</translation>
    </message>
    <message>
        <source>Soil model, %1: %2 Ω, read with the potential probe at %3 % of D rather than 61.8 %.</source>
        <translation>土壤模型，%1：%2 Ω，电压极应位于 D 的 %3 % 处，而不是 61.8 %。</translation>
    </message>
    <message>
        <source>The readings give %1 Ω there.</source>
        <translation>该处的读数为 %1 Ω。</translation>
    </message>
    <message>
        <source>Readings typed in</source>
        <translation>手动录入读数</translation>
    </message>
    <message>
        <source>A traverse measured with another instrument, typed in distance by distance</source>
        <translation>用其他仪器测得的测线，逐个距离录入</translation>
    </message>
    <message>
        <source>Row %1: a distance and a resistance are numbers above 0.</source>
        <translation>第 %1 行：距离和电阻都是大于 0 的数。</translation>
    </message>
    <message>
        <source>Type at least two readings: the potential probe&apos;s distance and the resistance read there.</source>
        <translation>请至少录入两个读数：电压极距离和在该处读到的电阻。</translation>
    </message>
    <message>
        <source>Typed traverse kept with %1</source>
        <translation>录入的测线已与 %1 一起保存</translation>
    </message>
</context>
<context>
    <name>GridSoil</name>
    <message>
        <source>Safe</source>
        <translation>安全</translation>
    </message>
    <message>
        <source>Not safe</source>
        <translation>不安全</translation>
    </message>
    <message>
        <source>Not shown safe</source>
        <translation>未证明安全</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the design is not safe across the soil model&apos;s one-sigma range.</source>
        <translation>对土壤了解不够：该设计在土壤模型的一个标准差范围内并非处处安全。</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the fit cannot say how uncertain its values are (too few points, or a value the points do not determine).</source>
        <translation>对土壤了解不够：拟合无法给出其数值的不确定度（点数太少，或某个数值无法由这些点确定）。</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the sounding does not resolve layer %1 of the model.</source>
        <translation>对土壤了解不够：测深无法分辨模型的第 %1 层。</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the model misses its points by %1 % RMS, more than the %2 % a sounding can have.</source>
        <translation>对土壤了解不够：模型与测点的均方根偏差为 %1 %，超过测深可能有的 %2 %。</translation>
    </message>
    <message>
        <source>At the high end of the soil&apos;s one-sigma range, %1 Ω·m: %2</source>
        <translation>在土壤一个标准差范围的上端 %1 Ω·m：%2</translation>
    </message>
    <message>
        <source>At the low end of the soil&apos;s one-sigma range, %1 Ω·m: %2</source>
        <translation>在土壤一个标准差范围的下端 %1 Ω·m：%2</translation>
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
        <translation>地电位升 %1 低于允许接触电压 %2</translation>
    </message>
    <message>
        <source>The mesh voltage %1 is below the tolerable touch voltage %2</source>
        <translation>网孔电压 %1 低于允许接触电压 %2</translation>
    </message>
    <message>
        <source>The step voltage %1 is below the tolerable step voltage %2</source>
        <translation>跨步电压 %1 低于允许跨步电压 %2</translation>
    </message>
    <message>
        <source>The mesh voltage %1 is %3 (%4 %) above the tolerable touch voltage %2</source>
        <translation>网孔电压 %1 比允许接触电压 %2 高 %3（%4 %）</translation>
    </message>
    <message>
        <source>The step voltage %1 is %3 (%4 %) above the tolerable step voltage %2</source>
        <translation>跨步电压 %1 比允许跨步电压 %2 高 %3（%4 %）</translation>
    </message>
    <message>
        <source>The earth potential rise %1 is at most twice the permissible touch voltage (%2)</source>
        <translation>地电位升 %1 不超过允许接触电压的两倍（%2）</translation>
    </message>
    <message>
        <source>The touch voltage (the mesh voltage) %1 is within the permissible touch voltage %2</source>
        <translation>接触电压（网孔电压）%1 在允许接触电压 %2 以内</translation>
    </message>
    <message>
        <source>The touch voltage (the mesh voltage) %1 is %3 (%4 %) above the permissible touch voltage %2</source>
        <translation>接触电压（网孔电压）%1 比允许接触电压 %2 高 %3（%4 %）</translation>
    </message>
    <message>
        <source>The depth %1 m is outside the formulas&apos; range of 0.25 m to 2.5 m</source>
        <translation>埋深 %1 m 超出公式适用范围 0.25 m 至 2.5 m</translation>
    </message>
    <message>
        <source>The spacing %1 m is not above the formulas&apos; 2.5 m</source>
        <translation>间距 %1 m 未超过公式要求的 2.5 m</translation>
    </message>
    <message>
        <source>The conductor diameter %1 m is not below a quarter of the depth (%2 m)</source>
        <translation>导体直径 %1 m 未小于埋深的四分之一（%2 m）</translation>
    </message>
    <message>
        <source>n = %1 is above the formulas&apos; 25</source>
        <translation>n = %1 超过公式的 25</translation>
    </message>
    <message>
        <source>The shock duration %1 s is outside the body current limit&apos;s 0.03 s to 3 s</source>
        <translation>电击持续时间 %1 s 超出人体电流限值的 0.03 s 至 3 s</translation>
    </message>
    <message>
        <source>The spacings differ (%1 m and %2 m): the formulas use the larger</source>
        <translation>间距不同（%1 m 和 %2 m）：公式取较大值</translation>
    </message>
    <message>
        <source>The depth %1 m is beyond Schwarz&apos;s deepest curve (%2 m)</source>
        <translation>埋深 %1 m 超出 Schwarz 最深曲线（%2 m）</translation>
    </message>
    <message>
        <source>The formulas assume uniform soil: the %1-layer model is reduced to one resistivity</source>
        <translation>公式假定土壤均匀：%1 层模型被简化为单一电阻率</translation>
    </message>
    <message>
        <source>The fault duration %1 s is outside EN 50522&apos;s table (0.05 s to 10 s): its nearest end is used</source>
        <translation>故障持续时间 %1 s 超出 EN 50522 表格（0.05 s 至 10 s）：使用最近的端值</translation>
    </message>
    <message>
        <source>The largest touch voltage %1 is within its limit %2</source>
        <translation>最大接触电压 %1 在其限值 %2 以内</translation>
    </message>
    <message>
        <source>The largest touch voltage %1 is above its limit %2</source>
        <translation>最大接触电压 %1 超过其限值 %2</translation>
    </message>
    <message>
        <source>The largest step voltage %1 is within its limit %2</source>
        <translation>最大跨步电压 %1 在其限值 %2 以内</translation>
    </message>
    <message>
        <source>The largest step voltage %1 is above its limit %2</source>
        <translation>最大跨步电压 %1 超过其限值 %2</translation>
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
        <translation>%1 x %2 接地网，%3 根导体，%4 根垂直接地极</translation>
    </message>
</context>
<context>
    <name>HistoryColumns</name>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Read out</source>
        <translation>读取时间</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source> (doubtful)</source>
        <translation>（存疑）</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Limit %1 Ω (%2)</source>
        <translation>限值 %1 Ω（%2）</translation>
    </message>
    <message>
        <source>No limit applies</source>
        <translation>无适用限值</translation>
    </message>
    <message>
        <source>
Doubtful: </source>
        <translation>
存疑：</translation>
    </message>
</context>
<context>
    <name>ImportProblems</name>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>无法读取文件：%1</translation>
    </message>
    <message>
        <source>the file is larger than %1 MiB; split it</source>
        <translation>文件大于 %1 MiB，请拆分</translation>
    </message>
    <message>
        <source>the quote opened on line %1 is never closed</source>
        <translation>第 %1 行开始的引号没有闭合</translation>
    </message>
    <message>
        <source>the file is no .xlsx workbook: %1</source>
        <translation>该文件不是 .xlsx 工作簿：%1</translation>
    </message>
    <message>
        <source>the workbook has no sheet &quot;%1&quot;; its sheets are %2</source>
        <translation>工作簿中没有工作表“%1”；其工作表为 %2</translation>
    </message>
    <message>
        <source>the file holds no rows to import</source>
        <translation>文件中没有可导入的行</translation>
    </message>
    <message>
        <source>the mapping is no JSON object: %1</source>
        <translation>映射不是 JSON 对象：%1</translation>
    </message>
    <message>
        <source>the mapping&apos;s &quot;%1&quot; is not valid: it takes %2</source>
        <translation>映射的“%1”无效：应为 %2</translation>
    </message>
    <message>
        <source>the mapping has no member &quot;%1&quot;; its members are %2</source>
        <translation>映射没有成员“%1”；其成员为 %2</translation>
    </message>
    <message>
        <source>the mapping needs a column for %1</source>
        <translation>映射需要 %1 的列</translation>
    </message>
    <message>
        <source>the mapping names the column &quot;%1&quot;, which the header row does not have</source>
        <translation>映射指定的列“%1”不在标题行中</translation>
    </message>
    <message>
        <source>no mapping is remembered for a file with this header row; give one</source>
        <translation>没有为此标题行的文件记住映射；请指定一个</translation>
    </message>
    <message>
        <source>the row has no column %1</source>
        <translation>该行没有第 %1 列</translation>
    </message>
    <message>
        <source>the column %1 is empty</source>
        <translation>第 %1 列为空</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date written %2</source>
        <translation>日期“%1”不是按 %2 书写的日期</translation>
    </message>
    <message>
        <source>the point &quot;%1&quot; is not written SITE/POINT</source>
        <translation>测试点“%1”未按 站点/测试点 书写</translation>
    </message>
    <message>
        <source>the value of %1 is marked over range without its bound: &quot;%2&quot;</source>
        <translation>%1 的值标为超量程但没有界限：“%2”</translation>
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
        <translation>历史记录(&amp;H)...</translation>
    </message>
    <message>
        <source>Mount(&amp;M)</source>
        <translation>Mount(&amp;M)</translation>
    </message>
    <message>
        <source>Date&amp;Time (&amp;T)</source>
        <translation>Date&amp;Time (&amp;T)</translation>
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
        <translation>快速读取(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>端口(&amp;P)...</translation>
    </message>
    <message>
        <source>Language (&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Team...</source>
        <translation>团队(&amp;T)...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The archive was damaged. It was moved aside as &quot;%1&quot; and a new archive was started.</source>
        <translation>档案库已损坏。它已被移至“%1”，并新建了一个档案库。</translation>
    </message>
    <message>
        <source>The read-out could not be kept in the archive (%1). The results read are shown and can be saved and printed as usual.</source>
        <translation>读取的数据无法存入档案库（%1）。已读取的结果照常显示，可以保存和打印。</translation>
    </message>
    <message>
        <source>Cannot write data.inf.</source>
        <translation>无法写入 data.inf。</translation>
    </message>
    <message>
        <source>The read-out could not be opened: %1</source>
        <translation>无法打开该次读取：%1</translation>
    </message>
    <message>
        <source>Cannot write data.inf, nothing was printed.</source>
        <translation>无法写入 data.inf，未打印任何内容。</translation>
    </message>
    <message>
        <source>The print service &quot;%1&quot; could not be started, so nothing was printed: %2.</source>
        <translation>无法启动打印服务“%1”，未打印任何内容：%2。</translation>
    </message>
    <message>
        <source>No data，please read firstly</source>
        <translation>No data，please read firstly</translation>
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
        <translation>仪表只能保存 2000 年至 2099 年的日期</translation>
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
        <translation>读取过程中仪表连接断开。之前读取的结果仍保留；请重新连接仪表并再次读取。</translation>
    </message>
    <message>
        <source>The instrument was disconnected during the read-out, before any results were read. Connect it again and read once more.</source>
        <translation>读取过程中仪表连接断开，尚未读取到任何结果。请重新连接仪表并再次读取。</translation>
    </message>
    <message>
        <source>The instrument was disconnected while its date and time were set. Connect it again and set them once more.</source>
        <translation>设置日期和时间时仪表连接断开。请重新连接仪表并再次设置。</translation>
    </message>
    <message>
        <source>The instrument was disconnected during the erase; it may not have erased. The results read before are kept; connect it again and read to see what it holds.</source>
        <translation>删除过程中仪表连接断开，可能未完成删除。之前读取的结果仍保留；请重新连接仪表并读取，查看其中保存的内容。</translation>
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
        <translation>请先选择电阻率结果，或在树中选择一个站点。</translation>
    </message>
    <message>
        <source>Choose or make a site first.</source>
        <translation>请先选择或新建一个站点。</translation>
    </message>
    <message>
        <source>Choose one or more results in the list first.</source>
        <translation>请先在列表中选择一个或多个结果。</translation>
    </message>
    <message>
        <source>Choose a site or one of its test points in the tree first.</source>
        <translation>请先在树中选择一个站点或其测试点。</translation>
    </message>
    <message>
        <source>The language could not be remembered.</source>
        <translation>无法保存语言设置。</translation>
    </message>
    <message>
        <source>Terrovane speaks the chosen language from its next start.</source>
        <translation>Terrovane 下次启动时使用所选语言。</translation>
    </message>
    <message>
        <source>The site could not be made: %1</source>
        <translation>无法新建站点：%1</translation>
    </message>
    <message>
        <source>The test point could not be made: %1</source>
        <translation>无法新建测试点：%1</translation>
    </message>
    <message>
        <source>The label could not be stored: %1</source>
        <translation>无法保存标签：%1</translation>
    </message>
    <message>
        <source>The results could not be exported: %1</source>
        <translation>无法导出结果：%1</translation>
    </message>
    <message>
        <source>The site report could not be written: %1</source>
        <translation>无法写入站点报告：%1</translation>
    </message>
    <message>
        <source>Choose a site in the tree first.</source>
        <translation>请先在树中选择一个站点。</translation>
    </message>
    <message>
        <source>Another program is writing to the archive. Try again in a moment.</source>
        <translation>另一个程序正在写入档案库。请稍后再试。</translation>
    </message>
    <message>
        <source>The archive cannot be written. Check that you may write its file and its folder.</source>
        <translation>无法写入档案库。请检查您是否有权写入其文件和文件夹。</translation>
    </message>
    <message>
        <source>The archive is damaged. Start Terrovane again: it moves the damaged file aside and starts a new archive.</source>
        <translation>档案库已损坏。请重新启动 Terrovane：它会移走损坏的文件并新建档案库。</translation>
    </message>
    <message>
        <source>Check that the archive&apos;s folder exists and belongs to you.</source>
        <translation>请检查档案库文件夹是否存在且属于您。</translation>
    </message>
    <message>
        <source>Use the newer version of the program that wrote the archive.</source>
        <translation>请使用写入该档案库的较新版本程序。</translation>
    </message>
    <message>
        <source>Another program may have changed it meanwhile; the window now shows the archive as it is.</source>
        <translation>另一个程序可能已同时更改了它；窗口现在显示档案库的当前内容。</translation>
    </message>
    <message numerus="yes">
        <source>Test point &quot;%1&quot; has %n result(s). Delete the point? Its results stay in the archive, unassigned.</source>
        <translation>
            <numerusform>测试点“%1”有 %n 个结果。删除该测试点吗？其结果仍保留在档案库中，变为未分配。</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no site to copy yet: make one first.</source>
        <translation>还没有可复制的站点：请先新建一个。</translation>
    </message>
    <message>
        <source>Choose the site of the new test point in the tree first.</source>
        <translation>请先在树中选择新测试点所属的站点。</translation>
    </message>
    <message>
        <source>The sites could not be exported: %1</source>
        <translation>无法导出站点：%1</translation>
    </message>
    <message>
        <source>The due list could not be written: %1</source>
        <translation>无法写入到期清单：%1</translation>
    </message>
    <message>
        <source>The firm&apos;s profile cannot be read: %1</source>
        <translation>无法读取公司资料：%1</translation>
    </message>
    <message>
        <source>The firm&apos;s profile was not kept: %1</source>
        <translation>公司资料未保存：%1</translation>
    </message>
    <message>
        <source>The report was not issued: %1</source>
        <translation>报告未签发：%1</translation>
    </message>
    <message>
        <source>The team server issues report numbers to inspectors and admins only.</source>
        <translation>团队服务器只向检测员和管理员发放报告编号。</translation>
    </message>
    <message>
        <source>The issued report cannot be read: %1</source>
        <translation>无法读取已签发的报告：%1</translation>
    </message>
    <message>
        <source>The issued report cannot be written: %1</source>
        <translation>无法写入已签发的报告：%1</translation>
    </message>
    <message>
        <source>No program opens the PDF file %1.</source>
        <translation>没有程序可以打开 PDF 文件 %1。</translation>
    </message>
    <message>
        <source>The certificates could not be written: %1</source>
        <translation>无法写入测试证书：%1</translation>
    </message>
    <message>
        <source>Delete this site with its test points and visits? Their results stay in the archive, unassigned.</source>
        <translation>删除该站点及其测试点和现场访问吗？其结果仍保留在档案库中，变为未分配。</translation>
    </message>
    <message>
        <source>Delete the visit of %1? Its results stay in the archive with their test points.</source>
        <translation>删除 %1 的现场访问？其结果仍随各自的测试点保留在档案库中。</translation>
    </message>
    <message>
        <source>Choose the 3-pole results of one fall-of-potential run, or a test point to type a traverse in, first.</source>
        <translation>请先选择一次电位降测量的三极结果，或选择一个测试点以录入测线。</translation>
    </message>
</context>
<context>
    <name>MethodTexts</name>
    <message>
        <source>probe distances not recorded</source>
        <translation>未记录探针距离</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>未记录</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 米</translation>
    </message>
    <message>
        <source>probes: current %1, potential %2</source>
        <translation>探针：电流极 %1，电压极 %2</translation>
    </message>
    <message>
        <source>test frequency not recorded</source>
        <translation>未记录测试频率</translation>
    </message>
    <message>
        <source>test frequency %1</source>
        <translation>测试频率 %1</translation>
    </message>
    <message>
        <source>Rs and Rh not recorded</source>
        <translation>未记录 Rs 和 Rh</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: doubtful, above %3</source>
        <translation>Rs %1，Rh %2：可疑，高于 %3</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: not judged, one is missing</source>
        <translation>Rs %1，Rh %2：未判定，缺少一项</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: valid, both at most %3</source>
        <translation>Rs %1，Rh %2：有效，均不超过 %3</translation>
    </message>
    <message>
        <source>method not recorded</source>
        <translation>未记录测试方法</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Visit of %1: weather %2; air %3; soil %4</source>
        <translation>%1 现场测试：天气 %2；气温 %3；土壤 %4</translation>
    </message>
</context>
<context>
    <name>NumberBox</name>
    <message>
        <source>%1: type a number, such as %2.</source>
        <translation>%1：请输入一个数字，例如 %2。</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4.</source>
        <translation>%1：%2 超出 %3 到 %4 的范围。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has a thousands separator; type the number without it, such as %3.</source>
        <translation>%1：“%2”含有千位分隔符；请去掉分隔符输入，例如 %3。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; type one such as %3.</source>
        <translation>%1：“%2”不是数字；请输入数字，例如 %3。</translation>
    </message>
    <message>
        <source>This field</source>
        <translation>此栏</translation>
    </message>
</context>
<context>
    <name>PlotSaving</name>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF (*.pdf)</source>
        <translation>PNG 图像 (*.png);;SVG 图形 (*.svg);;PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save plot</source>
        <translation>保存图</translation>
    </message>
    <message>
        <source>The plot could not be saved: %1</source>
        <translation>无法保存图：%1</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>图已保存到 %1</translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>Potential probe x / D</source>
        <translation>电压极距离 x / D</translation>
    </message>
    <message>
        <source>Electrode spacing a (m)</source>
        <translation>电极间距 a (m)</translation>
    </message>
    <message>
        <source>Apparent resistivity (Ω·m)</source>
        <translation>视电阻率 (Ω·m)</translation>
    </message>
    <message>
        <source>Resistance (Ω)</source>
        <translation>电阻 (Ω)</translation>
    </message>
    <message>
        <source>61.8 %: %1 Ω</source>
        <translation>61.8 %：%1 Ω</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>实测</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>模型</translation>
    </message>
    <message>
        <source>Model ± one sigma</source>
        <translation>模型 ± 一个标准差</translation>
    </message>
    <message>
        <source>model: %1 %</source>
        <translation>模型：%1 %</translation>
    </message>
    <message>
        <source>Surface potential</source>
        <translation>地表电位</translation>
    </message>
    <message>
        <source>Touch voltage</source>
        <translation>接触电压</translation>
    </message>
    <message>
        <source>Tolerable touch voltage</source>
        <translation>允许接触电压</translation>
    </message>
    <message>
        <source>Distance along the line (m)</source>
        <translation>沿线距离 (m)</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>伏特</translation>
    </message>
</context>
<context>
    <name>PortChooser</name>
    <message>
        <source>Instrument port</source>
        <translation>仪表端口</translation>
    </message>
    <message>
        <source>Choose the instrument bridge that Read, Date&amp;Time and Erase use:</source>
        <translation>选择读取、日期时间和删除所用的仪表 USB 转换器：</translation>
    </message>
    <message>
        <source>No instrument bridge is attached.</source>
        <translation>未连接仪表 USB 转换器。</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Product id</source>
        <translation>产品 ID</translation>
    </message>
    <message>
        <source>USB serial</source>
        <translation>USB 序列号</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>USB 路径</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>
 Save data now，please wait for a minute...</source>
        <translation>
 Save data now，please wait for a minute...</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Process</translation>
    </message>
    <message>
        <source>
 Read data now，please do NOT terminate...</source>
        <translation>
 Read data now，please do NOT terminate...</translation>
    </message>
</context>
<context>
    <name>RapstelApp</name>
    <message>
        <source>打印任务已启动!</source>
        <translation>打印任务已启动!</translation>
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
            <numerusform>%n 层模型需要 %1 个点，</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>but there are only %n.</source>
        <translation>
            <numerusform>但只有 %n 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>Point %1: not a number.</source>
        <translation>第 %1 点：不是数字。</translation>
    </message>
    <message>
        <source>Point %1: the spacing must be above 0 m.</source>
        <translation>第 %1 点：间距必须大于 0 m。</translation>
    </message>
    <message>
        <source>Point %1: the apparent resistivity must be above 0 Ω·m.</source>
        <translation>第 %1 点：视电阻率必须大于 0 Ω·m。</translation>
    </message>
    <message>
        <source>Point %1: a spacing outside 1 mm to 100 km is no Wenner sounding.</source>
        <translation>第 %1 点：间距超出 1 mm 至 100 km，不是温纳法测深。</translation>
    </message>
    <message>
        <source>Point %1: an apparent resistivity outside 1e-6 to 1e12 Ω·m is no soil.</source>
        <translation>第 %1 点：视电阻率超出 1e-6 至 1e12 Ω·m，不是土壤。</translation>
    </message>
    <message>
        <source>Point %1: the spacing %2 m is already that of point %3.</source>
        <translation>第 %1 点：间距 %2 m 与第 %3 点相同。</translation>
    </message>
    <message>
        <source>The number of layers must be 1 to %1.</source>
        <translation>层数必须为 1 至 %1。</translation>
    </message>
    <message>
        <source>The current-probe distance must be above 0 m and at most 100 km.</source>
        <translation>电流极距离必须大于 0 m 且不超过 100 km。</translation>
    </message>
    <message>
        <source>At least two readings are needed.</source>
        <translation>至少需要两个读数。</translation>
    </message>
    <message>
        <source>Reading %1: not a number.</source>
        <translation>第 %1 个读数：不是数字。</translation>
    </message>
    <message>
        <source>Reading %1: the potential probe must be between the electrode and the current probe (0 to %2 m), not at %3 m.</source>
        <translation>第 %1 个读数：电压极必须位于接地极与电流极之间（0 至 %2 m），而不是 %3 m。</translation>
    </message>
    <message>
        <source>Reading %1: the resistance must be above 0 Ω and at most 1e12 Ω.</source>
        <translation>第 %1 个读数：电阻必须大于 0 Ω 且不超过 1e12 Ω。</translation>
    </message>
    <message>
        <source>Reading %1: the distance %2 m is already that of reading %3.</source>
        <translation>第 %1 个读数：距离 %2 m 与第 %3 个读数相同。</translation>
    </message>
    <message>
        <source>61.8 % of D (%1 m) lies outside the readings (%2 m to %3 m): add readings on both sides of it.</source>
        <translation>D 的 61.8 %（%1 m）位于读数范围（%2 m 至 %3 m）之外：请在其两侧补充读数。</translation>
    </message>
    <message>
        <source>The readings do not reach from 52 % to 72 % of D: the plateau was not checked.</source>
        <translation>读数未覆盖 D 的 52 % 至 72 %：未检查平台。</translation>
    </message>
    <message>
        <source>The curve from 52 % to 72 % of D spreads over %1 % (more than 5 %): the potential probe is not on a plateau; move the current probe further out and measure again.</source>
        <translation>D 的 52 % 至 72 % 之间曲线离散 %1 %（超过 5 %）：电压极不在平台上；请将电流极移远后重新测量。</translation>
    </message>
    <message>
        <source>No readings at 20 %, 40 % and 60 % of D: no slope method.</source>
        <translation>D 的 20 %、40 % 和 60 % 处没有读数：无法使用斜率法。</translation>
    </message>
    <message>
        <source>The slope coefficient mu = %1 lies outside the slope table (0.40 to 1.59): move the current probe further out.</source>
        <translation>斜率系数 mu = %1 超出斜率表范围（0.40 至 1.59）：请将电流极移远。</translation>
    </message>
    <message>
        <source>The slope method&apos;s Pt = %1 m lies outside the readings.</source>
        <translation>斜率法的 Pt = %1 m 超出读数范围。</translation>
    </message>
    <message>
        <source>Point %1: MN/2 must be above 0 m and below AB/2, %2 m.</source>
        <translation>第 %1 点：MN/2 必须大于 0 m 且小于 AB/2（%2 m）。</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>第 %d 页</source>
        <translation>第 %d 页</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>日期
yy-mm-dd</source>
        <translation>日期
yy-mm-dd</translation>
    </message>
    <message>
        <source>时间
hh-mm-ss</source>
        <translation>时间
hh-mm-ss</translation>
    </message>
    <message>
        <source>电压
(V)</source>
        <translation>电压
(V)</translation>
    </message>
    <message>
        <source>频率
(Hz)</source>
        <translation>频率
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
        <translation>电阻率
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
        <translation>距离
(m)</translation>
    </message>
    <message>
        <source>
接地电阻测试仪    
Test Report of Earth/Ground Tester</source>
        <translation>
接地电阻测试仪    
Test Report of Earth/Ground Tester</translation>
    </message>
    <message>
        <source>
测试对象
Object</source>
        <translation>
测试对象
Object</translation>
    </message>
    <message>
        <source>
仪表编号
Instrument S/N</source>
        <translation>
仪表编号
Instrument S/N</translation>
    </message>
    <message>
        <source>
测  试 人
Name</source>
        <translation>
测  试 人
Name</translation>
    </message>
    <message>
        <source>
日    期
Date</source>
        <translation>
日    期
Date</translation>
    </message>
</context>
<context>
    <name>ResultWords</name>
    <message>
        <source>pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>rod</source>
        <translation>垂直接地极</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>接地网</translation>
    </message>
    <message>
        <source>mesh</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>tower leg</source>
        <translation>塔脚</translation>
    </message>
    <message>
        <source>down conductor</source>
        <translation>引下线</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他</translation>
    </message>
    <message numerus="yes">
        <source>%n passed</source>
        <translation>
            <numerusform>%n 个合格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n 个不合格</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without limit</source>
        <translation>
            <numerusform>%n 个无限值</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not tested</source>
        <translation>
            <numerusform>%n 个未测试</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
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
        <translation>未估计</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>土壤模型</translation>
    </message>
    <message>
        <source>Stored %1; layers: %2; RMS error %3 %</source>
        <translation>保存于 %1；层数：%2；均方根误差 %3 %</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>层</translation>
    </message>
    <message>
        <source>Resistivity (Ω·m)</source>
        <translation>电阻率 (Ω·m)</translation>
    </message>
    <message>
        <source>Thickness (m)</source>
        <translation>厚度 (m)</translation>
    </message>
    <message>
        <source>Depth to base (m)</source>
        <translation>底部深度 (m)</translation>
    </message>
    <message>
        <source>Fall of potential: </source>
        <translation>电位降法：</translation>
    </message>
    <message>
        <source>Stored %1; current probe D = %2 m; %3 readings</source>
        <translation>保存于 %1；电流极 D = %2 m；%3 个读数</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>测量时间</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>电压</translation>
    </message>
    <message>
        <source>Jamming</source>
        <translation>干扰</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>依据</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>all results</source>
        <translation>全部结果</translation>
    </message>
    <message>
        <source> to </source>
        <translation> 至 </translation>
    </message>
    <message>
        <source>Earth resistance test report</source>
        <translation>接地电阻测试报告</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>测试人</translation>
    </message>
    <message>
        <source>Instrument serial</source>
        <translation>仪表编号</translation>
    </message>
    <message>
        <source>– (not recorded by the instrument&apos;s read-out)</source>
        <translation>–（仪表读取数据中无此项）</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>日期范围</translation>
    </message>
    <message>
        <source>no result in the date range</source>
        <translation>日期范围内无结果</translation>
    </message>
    <message>
        <source>and %1 earlier results</source>
        <translation>以及另外 %1 个更早的结果</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>Site report: </source>
        <translation>站点报告：</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>未确定</translation>
    </message>
    <message>
        <source>below</source>
        <translation>以下</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>更早</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>汇总：%1</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>square</source>
        <translation>正方形</translation>
    </message>
    <message>
        <source>L-shaped (a corner of %1 m x %2 m cut out)</source>
        <translation>L 形（切去 %1 m x %2 m 的一角）</translation>
    </message>
    <message>
        <source>rectangular</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Rods: none</source>
        <translation>垂直接地极：无</translation>
    </message>
    <message>
        <source>inside the grid</source>
        <translation>在网内</translation>
    </message>
    <message>
        <source>at the corners</source>
        <translation>在四角</translation>
    </message>
    <message>
        <source>on the perimeter</source>
        <translation>在周边</translation>
    </message>
    <message>
        <source>Rods: %1 of %2 m, %3 m in diameter, %4</source>
        <translation>垂直接地极：%1 根，长 %2 m，直径 %3 m，%4</translation>
    </message>
    <message>
        <source>grid current %1 A</source>
        <translation>接地网电流 %1 A</translation>
    </message>
    <message>
        <source>fault current 3I0 %1 A, split factor %2, X/R %3 at %4 Hz</source>
        <translation>故障电流 3I0 %1 A，分流系数 %2，X/R %3，%4 Hz</translation>
    </message>
    <message>
        <source>Fault: %1 for %2 s; body of %3 kg</source>
        <translation>故障：%1，持续 %2 s；体重 %3 kg</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, the stored one-layer model</source>
        <translation>土壤：%1 Ω·m，已保存的单层模型</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, the %2-layer model&apos;s Wenner apparent resistivity at the equivalent radius %3 m</source>
        <translation>土壤：%1 Ω·m，%2 层模型在等效半径 %3 m 处的温纳视电阻率</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, as typed</source>
        <translation>土壤：%1 Ω·m，手动输入</translation>
    </message>
    <message>
        <source>Touch voltage (mesh voltage Em)</source>
        <translation>接触电压（网孔电压 Em）</translation>
    </message>
    <message>
        <source>Step voltage Es</source>
        <translation>跨步电压 Es</translation>
    </message>
    <message>
        <source>Ground potential rise</source>
        <translation>地电位升</translation>
    </message>
    <message>
        <source>Permissible touch voltage (EN 50522)</source>
        <translation>允许接触电压（EN 50522）</translation>
    </message>
    <message>
        <source>%1 Ω</source>
        <translation>%1 Ω</translation>
    </message>
    <message>
        <source>Grid resistance Rg (Sverak)</source>
        <translation>接地网电阻 Rg（Sverak）</translation>
    </message>
    <message>
        <source>Grid resistance (Schwarz)</source>
        <translation>接地网电阻（Schwarz）</translation>
    </message>
    <message>
        <source>Grid current IG</source>
        <translation>接地网电流 IG</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>Surface layer factor Cs</source>
        <translation>表层系数 Cs</translation>
    </message>
    <message>
        <source>Earthing grid safety</source>
        <translation>接地网安全</translation>
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
        <translation>保存于 %1；依据 %2 判定</translation>
    </message>
    <message>
        <source>Grid: %1, %2 m x %3 m, %4 x %5 conductors of %6 m, %7 m deep</source>
        <translation>接地网：%1，%2 m x %3 m，%4 x %5 根导体，直径 %6 m，埋深 %7 m</translation>
    </message>
    <message>
        <source>Surface layer: %1 Ω·m, %2 m thick</source>
        <translation>表层：%1 Ω·m，厚 %2 m</translation>
    </message>
    <message>
        <source>Surface layer: none</source>
        <translation>表层：无</translation>
    </message>
    <message>
        <source>Tolerable</source>
        <translation>允许值</translation>
    </message>
    <message>
        <source>Computed</source>
        <translation>计算值</translation>
    </message>
    <message>
        <source>Verdict: safe</source>
        <translation>判定：安全</translation>
    </message>
    <message>
        <source>Verdict: not safe</source>
        <translation>判定：不安全</translation>
    </message>
    <message>
        <source>Left out of the sounding, and why:</source>
        <translation>测深中略去的读数及原因：</translation>
    </message>
    <message>
        <source>Left off the curve, and why:</source>
        <translation>曲线中略去的读数及原因：</translation>
    </message>
    <message>
        <source>newer, failed</source>
        <translation>较新，失败</translation>
    </message>
    <message>
        <source>Verdict: not shown safe (the soil is not known well enough)</source>
        <translation>判定：未证明安全（对土壤了解不够）</translation>
    </message>
    <message>
        <source>uniform, %1 Ω·m</source>
        <translation>均匀，%1 Ω·m</translation>
    </message>
    <message>
        <source>%1 Ω·m of %2 m</source>
        <translation>%1 Ω·m，厚 %2 m</translation>
    </message>
    <message>
        <source>%1 Ω·m below</source>
        <translation>下层 %1 Ω·m</translation>
    </message>
    <message>
        <source>(%1 m, %2 m)</source>
        <translation>(%1 m, %2 m)</translation>
    </message>
    <message>
        <source>Computed in the soil (%1): largest touch voltage %2 at %3, largest step voltage %4 at %5</source>
        <translation>在土壤中计算（%1）：最大接触电压 %2 位于 %3，最大跨步电压 %4 位于 %5</translation>
    </message>
    <message>
        <source>Hatched and bordered: the ground at or above the limit. The grid&apos;s corner is at 0, 0; the maps reach 3 m beyond it.</source>
        <translation>阴影并加边框：达到或超过限值的地面。接地网角点位于 0, 0；图延伸到其外 3 m。</translation>
    </message>
    <message>
        <source>Touch voltage, limit %1</source>
        <translation>接触电压，限值 %1</translation>
    </message>
    <message>
        <source>Step voltage, limit %1</source>
        <translation>跨步电压，限值 %1</translation>
    </message>
    <message>
        <source>Accreditation / licence: %1</source>
        <translation>资质 / 许可证号：%1</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>委托方</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>not tested in the date range</source>
        <translation>在日期范围内未测试</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>测试方法</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>测试条件</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>未记录</translation>
    </message>
    <message>
        <source>Due again</source>
        <translation>下次到期</translation>
    </message>
    <message>
        <source>no interval set</source>
        <translation>未设定周期</translation>
    </message>
    <message>
        <source>Earth resistance test certificate</source>
        <translation>接地电阻测试证书</translation>
    </message>
    <message>
        <source>Certificate %1 of %2</source>
        <translation>证书 %1 / %2</translation>
    </message>
    <message>
        <source>Test certificates: </source>
        <translation>测试证书：</translation>
    </message>
    <message>
        <source>this photo cannot be shown: %1</source>
        <translation>无法显示此照片：%1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Tested by</source>
        <translation>测试人</translation>
    </message>
    <message>
        <source>Checked by</source>
        <translation>审核人</translation>
    </message>
    <message>
        <source>Name: ____________</source>
        <translation>姓名：____________</translation>
    </message>
    <message>
        <source>Signature, date: %1</source>
        <translation>签名，日期：%1</translation>
    </message>
    <message>
        <source>Result and signatures</source>
        <translation>结论与签名</translation>
    </message>
    <message>
        <source>Verdicts: %1</source>
        <translation>判定：%1</translation>
    </message>
    <message>
        <source>Each point was judged by its newest result that measured, against the limit shown with it.</source>
        <translation>每个测试点按其最新的有效测量结果，与所列限值进行判定。</translation>
    </message>
    <message>
        <source>Newest result</source>
        <translation>最新结果</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>未测试</translation>
    </message>
    <message>
        <source>Summary of the test points</source>
        <translation>测试点汇总</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>测试方法：%1</translation>
    </message>
    <message>
        <source>Conditions not recorded (no visit on %1)</source>
        <translation>未记录测试条件（%1 无现场记录）</translation>
    </message>
    <message>
        <source>no visit recorded</source>
        <translation>无现场记录</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>电话：%1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>电子邮件：%1</translation>
    </message>
    <message>
        <source>(no firm set)</source>
        <translation>（未设置公司）</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>草稿</translation>
    </message>
    <message>
        <source>Report %1, revision %2</source>
        <translation>报告 %1，第 %2 版</translation>
    </message>
    <message>
        <source>not issued</source>
        <translation>未签发</translation>
    </message>
    <message>
        <source>Report number</source>
        <translation>报告编号</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Issue date</source>
        <translation>签发日期</translation>
    </message>
    <message>
        <source>Visits</source>
        <translation>现场测试日期</translation>
    </message>
    <message>
        <source>Prepared by</source>
        <translation>编制人</translation>
    </message>
    <message>
        <source>Measured by %1, typed in by %2, instrument %3</source>
        <translation>由 %1 测量，%2 录入，仪器 %3</translation>
    </message>
</context>
<context>
    <name>SoilWindow</name>
    <message>
        <source>not estimated</source>
        <translation>未估计</translation>
    </message>
    <message>
        <source>Soil model - %1</source>
        <translation>土壤模型 - %1</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>土壤模型</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>层数：</translation>
    </message>
    <message>
        <source>Thickness (m)</source>
        <translation>厚度 (m)</translation>
    </message>
    <message>
        <source>Depth to base (m)</source>
        <translation>底部深度 (m)</translation>
    </message>
    <message>
        <source>Save plot...</source>
        <translation>保存图形...</translation>
    </message>
    <message>
        <source>Save model...</source>
        <translation>保存模型...</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>与 %1 一起保存</translation>
    </message>
    <message>
        <source>Store with site</source>
        <translation>与站点一起保存</translation>
    </message>
    <message>
        <source>The results belong to no one site: choose a site in the archive window</source>
        <translation>这些结果不属于同一个站点：请在档案窗口中选择一个站点</translation>
    </message>
    <message>
        <source>; the best model found is shown</source>
        <translation>；显示找到的最佳模型</translation>
    </message>
    <message>
        <source>There is no model to save</source>
        <translation>没有可保存的模型</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>保存模型</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Model saved</source>
        <translation>模型已保存</translation>
    </message>
    <message>
        <source>Model stored with %1</source>
        <translation>模型已与 %1 一起保存</translation>
    </message>
    <message>
        <source>No resistivity results (mode 9) with a distance among the chosen results.</source>
        <translation>所选结果中没有带测量距离的电阻率结果（模式 9）。</translation>
    </message>
    <message numerus="yes">
        <source>%n layer(s), RMS error %1 %</source>
        <translation>
            <numerusform>%n 层，均方根误差 %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>below</source>
        <translation>以下</translation>
    </message>
    <message>
        <source>Resolved</source>
        <translation>已分辨</translation>
    </message>
    <message>
        <source>Grid safety...</source>
        <translation>接地网安全...</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Stored %1</source>
        <translation>已保存 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) are no resistivity reading and left out</source>
        <translation>
            <numerusform>%n 个结果不是电阻率读数，已略去</numerusform>
        </translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>无法确定</translation>
    </message>
    <message>
        <source>Resistivity (Ω·m)</source>
        <translation>电阻率 (Ω·m)</translation>
    </message>
    <message>
        <source>Readings typed in</source>
        <translation>手动录入读数</translation>
    </message>
    <message>
        <source>A sounding measured with another instrument, typed in spacing by spacing</source>
        <translation>用其他仪器测得的测深，逐个间距录入</translation>
    </message>
    <message>
        <source>Type at least two readings: the spacing and what was read there.</source>
        <translation>请至少录入两个读数：间距和在该处读到的值。</translation>
    </message>
    <message>
        <source>Typed sounding kept with %1</source>
        <translation>录入的测深已与 %1 一起保存</translation>
    </message>
    <message>
        <source>A Schlumberger sounding&apos;s model is shown and saved, not stored with the site: a stored model keeps Wenner spacings only.</source>
        <translation>施伦贝格测深的模型可显示和保存，但不随站点存储：存储的模型只记录温纳间距。</translation>
    </message>
    <message>
        <source>The fit models each Schlumberger reading where its electrodes stood: type the MN/2 of every reading.</source>
        <translation>拟合按每个施伦贝格读数的电极实际位置计算：请输入每个读数的 MN/2。</translation>
    </message>
</context>
<context>
    <name>SyncErrors</name>
    <message>
        <source>The team server cannot be reached. Nothing is lost: the changes wait here until the next sync.</source>
        <translation>无法连接团队服务器。数据不会丢失：更改保留在本机，等待下次同步。</translation>
    </message>
    <message>
        <source>The team server refused the sign-in. Check the user name and password.</source>
        <translation>团队服务器拒绝登录。请检查用户名和密码。</translation>
    </message>
    <message>
        <source>You are not a member of the team (any more). Ask the office.</source>
        <translation>您（已）不是团队成员。请联系办公室。</translation>
    </message>
    <message>
        <source>The team server is newer than this program. Update this program; nothing was changed.</source>
        <translation>团队服务器版本比本程序新。请更新本程序；未做任何更改。</translation>
    </message>
    <message>
        <source>This archive syncs with another team server; nothing was changed.</source>
        <translation>此档案与另一个团队服务器同步；未做任何更改。</translation>
    </message>
    <message>
        <source>The archive could not be read or written.</source>
        <translation>无法读取或写入档案。</translation>
    </message>
    <message>
        <source>The team server reported an error.</source>
        <translation>团队服务器报告了一个错误。</translation>
    </message>
    <message>
        <source>The team server is still writing changes of others. Sync again in a moment.</source>
        <translation>团队服务器仍在写入他人的更改。请稍后再同步。</translation>
    </message>
    <message>
        <source>The sync was cancelled. What was sent and received is kept; the next sync goes on from there.</source>
        <translation>同步已取消。已发送和已接收的内容均保留；下次同步将从此处继续。</translation>
    </message>
    <message>
        <source>The team server is older than this program. Its owner runs &quot;terrovane-cli team upgrade&quot;; nothing was changed.</source>
        <translation>团队服务器比本程序旧。请服务器的所有者运行“terrovane-cli team upgrade”；未做任何更改。</translation>
    </message>
    <message>
        <source>This archive belongs to another login of the team. Sign in as the login that synced it first, or start a new archive for this login; nothing was changed.</source>
        <translation>此档案属于团队的另一个登录名。请用最先同步它的登录名登录，或为此登录名新建档案；未做任何更改。</translation>
    </message>
    <message>
        <source>The database is not set up as a team archive yet (it has no team schema): the office sets it up with &quot;terrovane-cli team init&quot;.</source>
        <translation>该数据库尚未设置为团队档案（没有团队模式）：办公室可用“terrovane-cli team init”进行设置。</translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message>
        <source>Sent: %1, received: %2, in conflict: %3, not yet sent: %4.</source>
        <translation>已发送：%1，已接收：%2，冲突：%3，尚未发送：%4。</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>The archive was damaged; it was moved aside as %1 and a new one started. </source>
        <translation>档案库已损坏；已移至 %1，并新建了一个档案库。</translation>
    </message>
</context>
<context>
    <name>TeamLink</name>
    <message>
        <source>Connection: not encrypted (a local socket; nothing crosses a network).</source>
        <translation>连接：未加密（本地套接字；不经过网络）。</translation>
    </message>
    <message>
        <source>Connection: NOT encrypted. The server&apos;s connection string asks for sslmode=%1.</source>
        <translation>连接：未加密。服务器的连接字符串要求 sslmode=%1。</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is verified, its authority and its name.</source>
        <translation>连接：已加密（%1）；服务器证书已验证，包括签发机构和名称。</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is verified against its authority, but not its name.</source>
        <translation>连接：已加密（%1）；服务器证书已按签发机构验证，但未验证名称。</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is not verified. Name its root certificate with sslrootcert to verify it.</source>
        <translation>连接：已加密（%1）；服务器证书未验证。用 sslrootcert 指定其根证书即可验证。</translation>
    </message>
    <message>
        <source>The team server offers no encrypted connection (TLS), so nothing was sent, the password least of all. Ask the office to turn TLS on at the server; only on a network you trust, add sslmode=disable to the server&apos;s connection string.</source>
        <translation>团队服务器不提供加密连接（TLS），因此未发送任何内容，密码更不会发送。请让办公室在服务器上开启 TLS；仅在可信网络中，才可在服务器的连接字符串中加上 sslmode=disable。</translation>
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
        <translation>三极接地电阻</translation>
    </message>
    <message>
        <source>4-pole earth resistance</source>
        <translation>四极接地电阻</translation>
    </message>
    <message>
        <source>3-pole with clamp (selective)</source>
        <translation>三极加钳表（选择性）</translation>
    </message>
    <message>
        <source>4-pole with clamp (selective)</source>
        <translation>四极加钳表（选择性）</translation>
    </message>
    <message>
        <source>Two clamps (stakeless)</source>
        <translation>双钳法（无辅助地桩）</translation>
    </message>
    <message>
        <source>2-pole AC resistance</source>
        <translation>两极交流电阻</translation>
    </message>
    <message>
        <source>2-pole DC resistance</source>
        <translation>两极直流电阻</translation>
    </message>
    <message>
        <source>4-pole DC resistance</source>
        <translation>四极直流电阻</translation>
    </message>
    <message>
        <source>Soil resistivity</source>
        <translation>土壤电阻率</translation>
    </message>
    <message>
        <source>AC current</source>
        <translation>交流电流</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>电位降法</translation>
    </message>
    <message>
        <source>Slope method</source>
        <translation>斜率法</translation>
    </message>
    <message>
        <source>Clamp-on tester</source>
        <translation>钳形接地电阻测试仪</translation>
    </message>
    <message>
        <source>Two-point method</source>
        <translation>两点法</translation>
    </message>
    <message>
        <source>Star-delta method</source>
        <translation>星-三角法</translation>
    </message>
</context>
<context>
    <name>TypedReadings</name>
    <message numerus="yes">
        <source>%n reading(s)</source>
        <translation>
            <numerusform>%n 个读数</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Kept:</source>
        <translation>已保存(&amp;K)：</translation>
    </message>
    <message>
        <source>Re (Ω)</source>
        <translation>Re (Ω)</translation>
    </message>
    <message>
        <source>Keep typed traverse</source>
        <translation>保存录入的测线</translation>
    </message>
    <message>
        <source>Keeps the readings with the test point as they were measured, like a result</source>
        <translation>按测量时的样子将读数与测试点一起保存，如同一个结果</translation>
    </message>
    <message>
        <source>New traverse</source>
        <translation>新测线</translation>
    </message>
    <message>
        <source>Spacing a (m)</source>
        <translation>间距 a (m)</translation>
    </message>
    <message>
        <source>AB/2 (m)</source>
        <translation>AB/2 (m)</translation>
    </message>
    <message>
        <source>Wenner</source>
        <translation>温纳</translation>
    </message>
    <message>
        <source>Schlumberger</source>
        <translation>施伦贝格</translation>
    </message>
    <message>
        <source>&amp;Array:</source>
        <translation>装置(&amp;A)：</translation>
    </message>
    <message>
        <source>Resistance R (Ω)</source>
        <translation>电阻 R (Ω)</translation>
    </message>
    <message>
        <source>Apparent resistivity ρ (Ω·m)</source>
        <translation>视电阻率 ρ (Ω·m)</translation>
    </message>
    <message>
        <source>&amp;Read:</source>
        <translation>读数类型(&amp;R)：</translation>
    </message>
    <message>
        <source>R (Ω)</source>
        <translation>R (Ω)</translation>
    </message>
    <message>
        <source>Keep typed sounding</source>
        <translation>保存录入的测深</translation>
    </message>
    <message>
        <source>Keeps the readings with the site as they were measured, like a result</source>
        <translation>按测量时的样子将读数与站点一起保存，如同一个结果</translation>
    </message>
    <message>
        <source>ρ (Ω·m)</source>
        <translation>ρ (Ω·m)</translation>
    </message>
    <message>
        <source>Row %1: a spacing and a reading are numbers above 0.</source>
        <translation>第 %1 行：间距和读数都是大于 0 的数。</translation>
    </message>
    <message>
        <source>New sounding</source>
        <translation>新测深</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>添加行</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>删除行</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1，第 %2 行</translation>
    </message>
    <message>
        <source>Measured &amp;on:</source>
        <translation>测量时间(&amp;O)：</translation>
    </message>
    <message>
        <source>make, model, serial</source>
        <translation>厂家、型号、序列号</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>仪器(&amp;I)：</translation>
    </message>
    <message>
        <source>Measured &amp;by:</source>
        <translation>测量人(&amp;B)：</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>备注(&amp;T)：</translation>
    </message>
    <message>
        <source>MN/2 (m)</source>
        <translation>MN/2 (m)</translation>
    </message>
    <message>
        <source>Row %1: MN/2 must be below AB/2, %2 m.</source>
        <translation>第 %1 行：MN/2 必须小于 AB/2（%2 m）。</translation>
    </message>
</context>
<context>
    <name>ValidityNotes</name>
    <message>
        <source>the instrument stored a failed reading</source>
        <translation>仪器存储的是一次失败的读数</translation>
    </message>
    <message>
        <source>jamming voltage %1 V above %2 V</source>
        <translation>干扰电压 %1 V 高于 %2 V</translation>
    </message>
    <message>
        <source>Rs %1 above %2</source>
        <translation>Rs %1 高于 %2</translation>
    </message>
    <message>
        <source>Rh %1 above %2</source>
        <translation>Rh %1 高于 %2</translation>
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
        <translation>土壤%1</translation>
    </message>
    <message>
        <source>dry</source>
        <translation>干燥</translation>
    </message>
    <message>
        <source>moist</source>
        <translation>湿润</translation>
    </message>
    <message>
        <source>wet</source>
        <translation>潮湿</translation>
    </message>
    <message>
        <source>frozen</source>
        <translation>冻结</translation>
    </message>
    <message>
        <source>The calibration of %1 was due on %2, before the visit.</source>
        <translation>%1 的校准已于 %2 到期，早于现场访问。</translation>
    </message>
    <message>
        <source>The calibration of %1 (serial %2) was due on %3, before the visit.</source>
        <translation>%1（序列号 %2）的校准已于 %3 到期，早于现场访问。</translation>
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
        <translation>日期(Date)</translation>
    </message>
    <message>
        <source>时间(Time)</source>
        <translation>时间(Time)</translation>
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
        <translation>接触电压</translation>
    </message>
    <message>
        <source>Step voltage</source>
        <translation>跨步电压</translation>
    </message>
    <message>
        <source>Save map...</source>
        <translation>保存分布图...</translation>
    </message>
    <message>
        <source>There is no map yet: compute in the soil model first.</source>
        <translation>尚无分布图：请先在土壤模型中计算。</translation>
    </message>
</context>
<context>
    <name>terrovane::engineering::GridProfileView</name>
    <message>
        <source>From x</source>
        <translation>起点 x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>to x</source>
        <translation>终点 x</translation>
    </message>
    <message>
        <source>In metres from the grid&apos;s corner; or drag a line across the map.</source>
        <translation>以米为单位，从接地网角点算起；或在图上拖出一条线。</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <translation>保存剖面...</translation>
    </message>
    <message>
        <source>There is no profile yet: compute in the soil model and choose a line first.</source>
        <translation>尚无剖面：请先在土壤模型中计算并选择一条线。</translation>
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
        <translation>接地网安全 - %1</translation>
    </message>
    <message>
        <source>Grid safety</source>
        <translation>接地网安全</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>接地网</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>正方形</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>L-shaped</source>
        <translation>L 形</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Conductors along the length</source>
        <translation>沿长度方向导体数</translation>
    </message>
    <message>
        <source>Conductors along the width</source>
        <translation>沿宽度方向导体数</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>埋深</translation>
    </message>
    <message>
        <source>Conductor diameter</source>
        <translation>导体直径</translation>
    </message>
    <message>
        <source>Cut-out length (L)</source>
        <translation>切角长度（L）</translation>
    </message>
    <message>
        <source>Cut-out width (L)</source>
        <translation>切角宽度（L）</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>垂直接地极</translation>
    </message>
    <message>
        <source>On the perimeter</source>
        <translation>在周边</translation>
    </message>
    <message>
        <source>At the corners</source>
        <translation>在四角</translation>
    </message>
    <message>
        <source>Inside the grid</source>
        <translation>在网内</translation>
    </message>
    <message>
        <source>Number of rods</source>
        <translation>接地极数量</translation>
    </message>
    <message>
        <source>Rod length</source>
        <translation>接地极长度</translation>
    </message>
    <message>
        <source>Rod diameter</source>
        <translation>接地极直径</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>布置</translation>
    </message>
    <message>
        <source>Surface layer (crushed rock)</source>
        <translation>表层（碎石）</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>电阻率</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>厚度</translation>
    </message>
    <message>
        <source>Surface resistivity</source>
        <translation>表层电阻率</translation>
    </message>
    <message>
        <source>Surface thickness</source>
        <translation>表层厚度</translation>
    </message>
    <message>
        <source>Fault and body</source>
        <translation>故障与人体</translation>
    </message>
    <message>
        <source>Grid current IG</source>
        <translation>接地网电流 IG</translation>
    </message>
    <message>
        <source>Fault current 3I0</source>
        <translation>故障电流 3I0</translation>
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
        <translation>双脚站立电阻</translation>
    </message>
    <message>
        <source>Current given</source>
        <translation>已知电流</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>电流</translation>
    </message>
    <message>
        <source>Split factor Sf</source>
        <translation>分流系数 Sf</translation>
    </message>
    <message>
        <source>X/R</source>
        <translation>X/R</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Fault duration</source>
        <translation>故障持续时间</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>人体</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Footwear (EN 50522)</source>
        <translation>鞋（EN 50522）</translation>
    </message>
    <message>
        <source>Soil</source>
        <translation>土壤</translation>
    </message>
    <message>
        <source>Typed resistivity</source>
        <translation>手动输入电阻率</translation>
    </message>
    <message>
        <source>Soil from</source>
        <translation>土壤来源</translation>
    </message>
    <message>
        <source>Tolerable</source>
        <translation>允许值</translation>
    </message>
    <message>
        <source>Find the smallest grid that is safe</source>
        <translation>查找最小的安全接地网</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>与 %1 一起保存</translation>
    </message>
    <message>
        <source>Store with site</source>
        <translation>与站点一起保存</translation>
    </message>
    <message>
        <source>Open the window from a site to keep the assessment with it</source>
        <translation>从站点打开此窗口才能将评估与站点一起保存</translation>
    </message>
    <message>
        <source>%1 must be above zero.</source>
        <translation>%1 必须大于零。</translation>
    </message>
    <message>
        <source>%1 must not be negative.</source>
        <translation>%1 不能为负。</translation>
    </message>
    <message>
        <source>%1: at least 2.</source>
        <translation>%1：至少为 2。</translation>
    </message>
    <message>
        <source>%1 is 50 or 70 kg.</source>
        <translation>%1 为 50 或 70 kg。</translation>
    </message>
    <message>
        <source>%1 is at most 1.</source>
        <translation>%1 最大为 1。</translation>
    </message>
    <message>
        <source>%1 must be smaller than the grid.</source>
        <translation>%1 必须小于接地网。</translation>
    </message>
    <message>
        <source>%1 does not fall on a conductor: the conductors&apos; spacing does not fit it.</source>
        <translation>%1 未落在导体上：导体间距与之不符。</translation>
    </message>
    <message>
        <source>A square grid has equal length and width and as many conductors each way.</source>
        <translation>正方形接地网的长宽相等，两个方向的导体数相同。</translation>
    </message>
    <message>
        <source>The soil&apos;s resistivity must be above zero.</source>
        <translation>土壤电阻率必须大于零。</translation>
    </message>
    <message>
        <source>Touch voltage (mesh voltage Em)</source>
        <translation>接触电压（网孔电压 Em）</translation>
    </message>
    <message>
        <source>Step voltage Es</source>
        <translation>跨步电压 Es</translation>
    </message>
    <message>
        <source>Ground potential rise</source>
        <translation>地电位升</translation>
    </message>
    <message>
        <source>Permissible touch voltage U_Tp (EN 50522)</source>
        <translation>允许接触电压 U_Tp（EN 50522）</translation>
    </message>
    <message>
        <source>Earth potential rise against 2 U_Tp</source>
        <translation>地电位升与 2 U_Tp 比较</translation>
    </message>
    <message>
        <source>Grid resistance Rg (Sverak)</source>
        <translation>接地网电阻 Rg（Sverak）</translation>
    </message>
    <message>
        <source>Grid resistance (Schwarz)</source>
        <translation>接地网电阻（Schwarz）</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>Surface layer factor Cs</source>
        <translation>表层系数 Cs</translation>
    </message>
    <message>
        <source>n, Km, Ki, Ks</source>
        <translation>n, Km, Ki, Ks</translation>
    </message>
    <message>
        <source>Correct the fields first.</source>
        <translation>请先更正各字段。</translation>
    </message>
    <message>
        <source>None of the %1 designs tried is safe: a larger area, a surface layer or a smaller grid current is needed.</source>
        <translation>尝试的 %1 种设计均不安全：需要更大面积、表层或更小的接地网电流。</translation>
    </message>
    <message>
        <source>%1 of the %2 designs tried are safe; the smallest, with %3 m of conductors and rods, is shown.</source>
        <translation>尝试的 %2 种设计中有 %1 种安全；显示最小的一种，导体和接地极共 %3 m。</translation>
    </message>
    <message>
        <source>Assessment stored with %1</source>
        <translation>评估已与 %1 一起保存</translation>
    </message>
    <message>
        <source>Ω·m</source>
        <translation>Ω·m</translation>
    </message>
    <message numerus="yes">
        <source>Stored soil model (%n layer(s))</source>
        <translation>
            <numerusform>已保存的土壤模型（%n 层）</numerusform>
        </translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m, as typed.</source>
        <translation>均匀土壤 %1 Ω·m，手动输入。</translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m, the stored one-layer model.</source>
        <translation>均匀土壤 %1 Ω·m，已保存的单层模型。</translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m: the Wenner apparent resistivity of the %2-layer model at the grid&apos;s equivalent radius of %3 m.</source>
        <translation>均匀土壤 %1 Ω·m：%2 层模型在接地网等效半径 %3 m 处的温纳视电阻率。</translation>
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
        <translation>接触电压和跨步电压</translation>
    </message>
    <message>
        <source>(%1 m, %2 m)</source>
        <translation>（%1 m，%2 m）</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Compute in the soil model</source>
        <translation>在土壤模型中计算</translation>
    </message>
    <message>
        <source>The grid&apos;s conductors and rods solved in the soil&apos;s layers, the surface potential mapped over the grid and 3 m around it</source>
        <translation>在分层土壤中求解接地网的导体和接地棒，并绘制接地网及其周围 3 m 范围内的地表电位</translation>
    </message>
    <message>
        <source>In the soil model</source>
        <translation>土壤模型中</translation>
    </message>
    <message>
        <source>Formulas</source>
        <translation>公式</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差异</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Computation cancelled.</source>
        <translation>计算已取消。</translation>
    </message>
    <message>
        <source>Computing in the soil model...</source>
        <translation>正在土壤模型中计算...</translation>
    </message>
    <message>
        <source>The solver gave up on this grid (too many segments, or conductors on top of each other).</source>
        <translation>求解器无法计算此接地网（分段过多或导体相互重叠）。</translation>
    </message>
    <message>
        <source>Touch voltage within 1 m</source>
        <translation>1 m 范围内的接触电压</translation>
    </message>
    <message>
        <source>In the soil model: %1</source>
        <translation>土壤模型中：%1</translation>
    </message>
    <message>
        <source>Largest touch voltage %1 at %2; largest step voltage %3 at %4.</source>
        <translation>最大接触电压 %1 位于 %2；最大跨步电压 %3 位于 %4。</translation>
    </message>
    <message>
        <source>%1 segments, the surface on points %2 m apart; computed in %3 s.</source>
        <translation>%1 个分段，地表计算点间距 %2 m；计算用时 %3 s。</translation>
    </message>
    <message>
        <source>The soil model has a layer without a resistivity or thickness.</source>
        <translation>土壤模型中有一层缺少电阻率或厚度。</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>剖面</translation>
    </message>
    <message>
        <source>With the top layer at %1 Ω·m: touch voltage %2 (limit %3), step voltage %4 (limit %5): %6</source>
        <translation>顶层为 %1 Ω·m 时：接触电压 %2（限值 %3），跨步电压 %4（限值 %5）：%6</translation>
    </message>
</context>
<context>
    <name>terrovane::help::GuideWindow</name>
    <message>
        <source>User guide</source>
        <translation>用户指南</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AssignDialog</name>
    <message>
        <source>Assign 1 result</source>
        <translation>分配 1 个结果</translation>
    </message>
    <message>
        <source>Assign %1 results</source>
        <translation>分配 %1 个结果</translation>
    </message>
    <message>
        <source>One result per test point, in slot order, from this point on</source>
        <translation>从此测试点起，按存储位置顺序每个测试点一个结果</translation>
    </message>
    <message>
        <source>New site...</source>
        <translation>新建站点...</translation>
    </message>
    <message>
        <source>New test point...</source>
        <translation>新建测试点...</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>分配</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>站点：</translation>
    </message>
    <message>
        <source>Test point:</source>
        <translation>测试点：</translation>
    </message>
    <message>
        <source>Choose an earlier test point, make more points, or clear &quot;%1&quot;.</source>
        <translation>请选择更靠前的测试点、添加更多测试点，或取消“%1”。</translation>
    </message>
    <message>
        <source>Choose another test point or site.</source>
        <translation>请选择其他测试点或现场。</translation>
    </message>
    <message>
        <source>The results could not be assigned: %1. %2</source>
        <translation>无法分配结果：%1。%2</translation>
    </message>
    <message>
        <source>The sites could not be read.</source>
        <translation>无法读取站点。</translation>
    </message>
    <message>
        <source>The site&apos;s test points could not be read.</source>
        <translation>无法读取该站点的测试点。</translation>
    </message>
    <message>
        <source>The test point could not be made.</source>
        <translation>无法新建测试点。</translation>
    </message>
    <message>
        <source>Add those measured on %1 to that day&apos;s visit</source>
        <translation>将 %1 测量的结果加入当天的现场访问</translation>
    </message>
    <message>
        <source>Add those measured on %1 to that day&apos;s visit (%2)</source>
        <translation>将 %1 测量的结果加入当天的现场访问（%2）</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AttachmentStrip</name>
    <message>
        <source>Attach...</source>
        <translation>附加...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>说明...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Use as position</source>
        <translation>用作位置</translation>
    </message>
    <message>
        <source>Photos and documents</source>
        <translation>照片和文档</translation>
    </message>
    <message>
        <source>site %1</source>
        <translation>站点 %1</translation>
    </message>
    <message>
        <source>test point %1</source>
        <translation>测试点 %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <translation>结果 %1</translation>
    </message>
    <message>
        <source>typed result %1</source>
        <translation>手动录入的结果 %1</translation>
    </message>
    <message>
        <source>Photos and documents: choose a site, a test point or a result</source>
        <translation>照片和文档：请选择站点、测试点或结果</translation>
    </message>
    <message>
        <source>Photos and documents of %1</source>
        <translation>%1 的照片和文档</translation>
    </message>
    <message>
        <source>Make %1 the position of the site</source>
        <translation>将 %1 设为站点位置</translation>
    </message>
    <message>
        <source>Only a photo with a GPS position can give its site&apos;s position</source>
        <translation>只有带 GPS 位置的照片才能提供站点位置</translation>
    </message>
    <message>
        <source>Attach photos or documents</source>
        <translation>附加照片或文档</translation>
    </message>
    <message>
        <source>Photos and documents (*.jpg *.jpeg *.png *.pdf)</source>
        <translation>照片和文档 (*.jpg *.jpeg *.png *.pdf)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Caption of %1:</source>
        <translation>%1 的说明：</translation>
    </message>
    <message>
        <source>Remove %1 from %2?</source>
        <translation>从 %2 移除 %1？</translation>
    </message>
    <message>
        <source>Remove attachment</source>
        <translation>移除附件</translation>
    </message>
    <message>
        <source>This result is assigned to no test point, so it has no site to place</source>
        <translation>此结果未分配到测试点，因此没有可定位的站点</translation>
    </message>
    <message>
        <source>Move site %1 from %2, %3 to where the photo was taken, %4?</source>
        <translation>将站点 %1 从 %2, %3 移到照片拍摄位置 %4？</translation>
    </message>
    <message>
        <source>Place site %1 where the photo was taken, %2?</source>
        <translation>将站点 %1 设在照片拍摄位置 %2？</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AttachmentView</name>
    <message>
        <source>taken %1</source>
        <translation>拍摄于 %1</translation>
    </message>
    <message>
        <source>at %1, %2</source>
        <translation>位置 %1, %2</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1，%2 × %3 像素</translation>
    </message>
</context>
<context>
    <name>terrovane::history::CopySiteDialog</name>
    <message>
        <source>New site as a copy</source>
        <translation>复制为新站点</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n test point(s))</source>
        <translation>
            <numerusform>%1（%n 个测试点）</numerusform>
        </translation>
    </message>
    <message>
        <source>The new site gets a test point for each of this site&apos;s, with its name, kind, limit and re-test interval. Results stay where they are.</source>
        <translation>新站点将为此站点的每个测试点各建一个，带有其名称、类型、限值和复测间隔。结果保留在原处。</translation>
    </message>
    <message>
        <source>Copy the test points of:</source>
        <translation>复制以下站点的测试点：</translation>
    </message>
</context>
<context>
    <name>terrovane::history::DueWindow</name>
    <message>
        <source>Due list</source>
        <translation>到期清单</translation>
    </message>
    <message>
        <source>Overdue and due &amp;within:</source>
        <translation>逾期及到期范围(&amp;W)：</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>上次测试</translation>
    </message>
    <message>
        <source>Last result</source>
        <translation>上次结果</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>到期</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>打印...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>另存为 PDF...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>The due list could not be read: %1</source>
        <translation>无法读取到期清单：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n test point(s) overdue</source>
        <translation>
            <numerusform>%n 个测试点逾期</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due within the days</source>
        <translation>
            <numerusform>%n 个在期限内到期</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the due list as PDF</source>
        <translation>将到期清单另存为 PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Due list written to %1</source>
        <translation>到期清单已写入 %1</translation>
    </message>
    <message>
        <source>Export the due list</source>
        <translation>导出到期清单</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx);;CSV file (*.csv);;iCalendar file (*.ics)</source>
        <translation>Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv);;iCalendar 文件 (*.ics)</translation>
    </message>
    <message>
        <source>the file name should end in .xlsx, .csv or .ics</source>
        <translation>文件名应以 .xlsx、.csv 或 .ics 结尾</translation>
    </message>
    <message>
        <source>days</source>
        <translation>天</translation>
    </message>
</context>
<context>
    <name>terrovane::history::FirmDialog</name>
    <message>
        <source>Firm</source>
        <translation>公司</translation>
    </message>
    <message>
        <source>letters and digits, as ACME</source>
        <translation>字母和数字，如 ACME</translation>
    </message>
    <message>
        <source>Choose logo...</source>
        <translation>选择标志...</translation>
    </message>
    <message>
        <source>Remove logo</source>
        <translation>移除标志</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>电话：</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>电子邮件：</translation>
    </message>
    <message>
        <source>Accreditation or licence:</source>
        <translation>认可或资质编号：</translation>
    </message>
    <message>
        <source>Report number prefix:</source>
        <translation>报告编号前缀：</translation>
    </message>
    <message>
        <source>Logo (PNG or SVG):</source>
        <translation>标志（PNG 或 SVG）：</translation>
    </message>
    <message>
        <source>The team shares one profile: a change here goes to the server with the next sync, which takes it from admins only.</source>
        <translation>团队共用一份资料：此处的更改将随下次同步发送到服务器，服务器只接受管理员的更改。</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>标志</translation>
    </message>
    <message>
        <source>Logo (*.png *.svg)</source>
        <translation>标志 (*.png *.svg)</translation>
    </message>
    <message>
        <source>no logo</source>
        <translation>无标志</translation>
    </message>
    <message>
        <source>the logo cannot be shown here</source>
        <translation>此处无法显示标志</translation>
    </message>
</context>
<context>
    <name>terrovane::history::HistoryWindow</name>
    <message>
        <source>Archive</source>
        <translation>档案库</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Measured from</source>
        <translation>测量时间从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>All modes</source>
        <translation>全部模式</translation>
    </message>
    <message>
        <source>Label contains...</source>
        <translation>标签包含...</translation>
    </message>
    <message>
        <source>Assign...</source>
        <translation>分配...</translation>
    </message>
    <message>
        <source>Label result...</source>
        <translation>标记结果...</translation>
    </message>
    <message>
        <source>Label read-out...</source>
        <translation>标记读取...</translation>
    </message>
    <message>
        <source>Open read-out</source>
        <translation>打开读取</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出...</translation>
    </message>
    <message>
        <source>Site report...</source>
        <translation>站点报告...</translation>
    </message>
    <message>
        <source>Trend...</source>
        <translation>趋势...</translation>
    </message>
    <message>
        <source>Soil model...</source>
        <translation>土壤模型...</translation>
    </message>
    <message>
        <source>Fall of potential...</source>
        <translation>电位降法...</translation>
    </message>
    <message>
        <source>Keep new read-outs in the archive</source>
        <translation>将新读取的数据存入档案库</translation>
    </message>
    <message>
        <source>The archive cannot be opened: </source>
        <translation>无法打开档案库：</translation>
    </message>
    <message>
        <source>No results match</source>
        <translation>没有匹配的结果</translation>
    </message>
    <message>
        <source>%1 results shown, more as you scroll</source>
        <translation>已显示 %1 个结果，滚动可显示更多</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>1 个结果</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 个结果</translation>
    </message>
    <message>
        <source>Label of %1 results</source>
        <translation>%1 个结果的标签</translation>
    </message>
    <message>
        <source>Label of read-out %1 and its results</source>
        <translation>读取 %1 及其结果的标签</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>导出结果</translation>
    </message>
    <message>
        <source>the file name should end in .xlsx, .xls, .csv or .json</source>
        <translation>文件名应以 .xlsx、.xls、.csv 或 .json 结尾</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) exported to %1</source>
        <translation>
            <numerusform>已导出 %n 个结果到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned</source>
        <translation>
            <numerusform>已分配 %n 个结果</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Rename site</source>
        <translation>重命名站点</translation>
    </message>
    <message>
        <source>Rename test point</source>
        <translation>重命名测试点</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>站点报告</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Site report of %1 written to %2 (%3)</source>
        <translation>%1 的站点报告已写入 %2（%3）</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>重命名...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>删除...</translation>
    </message>
    <message>
        <source>The site&apos;s resistivity results could not be read.</source>
        <translation>无法读取该站点的电阻率结果。</translation>
    </message>
    <message>
        <source>The results could not be assigned.</source>
        <translation>无法分配结果。</translation>
    </message>
    <message>
        <source>The name could not be changed.</source>
        <translation>无法更改名称。</translation>
    </message>
    <message>
        <source>It could not be deleted.</source>
        <translation>无法删除。</translation>
    </message>
    <message>
        <source>The site report could not be made.</source>
        <translation>无法生成站点报告。</translation>
    </message>
    <message>
        <source>Grid safety...</source>
        <translation>接地网安全...</translation>
    </message>
    <message>
        <source>Stored analyses...</source>
        <translation>已保存的分析...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>属性...</translation>
    </message>
    <message>
        <source>Label of slot %1 of %2</source>
        <translation>%2 的存储位 %1 的标签</translation>
    </message>
    <message>
        <source>&amp;Archive</source>
        <translation>档案库(&amp;A)</translation>
    </message>
    <message>
        <source>New &amp;site...</source>
        <translation>新建站点(&amp;S)...</translation>
    </message>
    <message>
        <source>New site as a &amp;copy of...</source>
        <translation>复制为新站点(&amp;C)...</translation>
    </message>
    <message>
        <source>New &amp;test point...</source>
        <translation>新建测试点(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Due list...</source>
        <translation>到期清单(&amp;D)...</translation>
    </message>
    <message>
        <source>&amp;Export sites...</source>
        <translation>导出站点(&amp;E)...</translation>
    </message>
    <message>
        <source>New site...</source>
        <translation>新建站点...</translation>
    </message>
    <message>
        <source>New test point...</source>
        <translation>新建测试点...</translation>
    </message>
    <message>
        <source>The site could not be made.</source>
        <translation>无法新建站点。</translation>
    </message>
    <message>
        <source>New site as a copy of %1</source>
        <translation>复制 %1 为新站点</translation>
    </message>
    <message>
        <source>The test point could not be made.</source>
        <translation>无法新建测试点。</translation>
    </message>
    <message>
        <source>Export sites</source>
        <translation>导出站点</translation>
    </message>
    <message>
        <source>GeoJSON file (*.geojson);;KML file (*.kml)</source>
        <translation>GeoJSON 文件 (*.geojson);;KML 文件 (*.kml)</translation>
    </message>
    <message>
        <source>the file name should end in .geojson or .kml</source>
        <translation>文件名应以 .geojson 或 .kml 结尾</translation>
    </message>
    <message>
        <source>The sites could not be exported.</source>
        <translation>无法导出站点。</translation>
    </message>
    <message numerus="yes">
        <source>%n site(s) exported to %1</source>
        <translation>
            <numerusform>已导出 %n 个站点到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a position left out</source>
        <translation>
            <numerusform>已略去 %n 个没有位置的站点</numerusform>
        </translation>
    </message>
    <message>
        <source>New site as a copy of...</source>
        <translation>复制为新站点...</translation>
    </message>
    <message>
        <source>The soil model could not be opened.</source>
        <translation>无法打开土壤模型。</translation>
    </message>
    <message>
        <source>The fall-of-potential window could not be opened.</source>
        <translation>无法打开电位降法窗口。</translation>
    </message>
    <message>
        <source>The grid safety window could not be opened.</source>
        <translation>无法打开接地网安全窗口。</translation>
    </message>
    <message>
        <source>The labels could not be read.</source>
        <translation>无法读取标签。</translation>
    </message>
    <message>
        <source>The properties could not be read.</source>
        <translation>无法读取属性。</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>导入(&amp;I)...</translation>
    </message>
    <message>
        <source>Attach photos or documents...</source>
        <translation>附加照片或文档...</translation>
    </message>
    <message>
        <source>Issued &amp;reports...</source>
        <translation>已签发的报告(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Firm...</source>
        <translation>公司(&amp;F)...</translation>
    </message>
    <message>
        <source>The firm&apos;s profile is kept.</source>
        <translation>公司资料已保存。</translation>
    </message>
    <message>
        <source>The issued reports cannot be listed.</source>
        <translation>无法列出已签发的报告。</translation>
    </message>
    <message>
        <source>Issue the site report</source>
        <translation>签发站点报告</translation>
    </message>
    <message>
        <source>Report %1, revision %2, issued and kept in the archive (%3)</source>
        <translation>报告 %1 第 %2 版已签发并保存在档案库中（%3）</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>测试证书</translation>
    </message>
    <message>
        <source>Certificates of %1 written to %2</source>
        <translation>%1 的测试证书已写入 %2</translation>
    </message>
    <message>
        <source>The results typed by hand could not be read.</source>
        <translation>无法读取手动录入的结果。</translation>
    </message>
    <message>
        <source>Find sites, points, labels, notes, instruments...</source>
        <translation>查找站点、测试点、标签、备注、仪器...</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>查找(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>The change could not be undone or redone.</source>
        <translation>无法撤销或重做此更改。</translation>
    </message>
    <message>
        <source>Correct typed result</source>
        <translation>更正手动输入的结果</translation>
    </message>
    <message>
        <source>Put photo in site report</source>
        <translation>将照片放入现场报告</translation>
    </message>
    <message>
        <source>Take photo out of site report</source>
        <translation>将照片移出现场报告</translation>
    </message>
    <message>
        <source>Site properties</source>
        <translation>站点属性</translation>
    </message>
    <message>
        <source>Test point properties</source>
        <translation>测试点属性</translation>
    </message>
    <message numerus="yes">
        <source>Assign %n result(s)</source>
        <translation>
            <numerusform>分配 %n 个结果</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete test point</source>
        <translation>删除测试点</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>删除站点</translation>
    </message>
</context>
<context>
    <name>terrovane::history::ImportDialog</name>
    <message>
        <source>(not imported)</source>
        <translation>（不导入）</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>站点</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方法</translation>
    </message>
    <message>
        <source>Value %1</source>
        <translation>数值 %1</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>测量人</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>as the cell says</source>
        <translation>按单元格所写</translation>
    </message>
    <message>
        <source>Import readings</source>
        <translation>导入测量值</translation>
    </message>
    <message>
        <source>A CSV file or an .xlsx workbook of readings</source>
        <translation>测量值的 CSV 文件或 .xlsx 工作簿</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>选择(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>文件(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>工作表(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>yyyy, yy, MM, M, dd, d, HH, H, mm, ss; any other character stands for itself</source>
        <translation>yyyy、yy、MM、M、dd、d、HH、H、mm、ss；其他字符按原样匹配</translation>
    </message>
    <message>
        <source>as the file writes it</source>
        <translation>按文件所写</translation>
    </message>
    <message>
        <source>point (4.2)</source>
        <translation>小数点 (4.2)</translation>
    </message>
    <message>
        <source>comma (4,2)</source>
        <translation>逗号 (4,2)</translation>
    </message>
    <message>
        <source>&amp;Header row:</source>
        <translation>标题行(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;Date format:</source>
        <translation>日期格式(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Time format:</source>
        <translation>时间格式(&amp;T)：</translation>
    </message>
    <message>
        <source>Decimal &amp;mark:</source>
        <translation>小数符号(&amp;M)：</translation>
    </message>
    <message>
        <source>&amp;Over range marked:</source>
        <translation>超量程标记(&amp;O)：</translation>
    </message>
    <message>
        <source>Method &amp;without a column:</source>
        <translation>无方法列时的方法(&amp;W)：</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Why it was not taken</source>
        <translation>未导入的原因</translation>
    </message>
    <message>
        <source>Readings (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx)</source>
        <translation>测量值 (*.csv *.txt *.xlsx);;CSV 文件 (*.csv *.txt);;工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>The mapping used last for files with this header row is chosen.</source>
        <translation>已选用上次用于此标题行文件的映射。</translation>
    </message>
    <message>
        <source>What column %1 holds</source>
        <translation>第 %1 列的内容</translation>
    </message>
    <message>
        <source>The unit of column %1</source>
        <translation>第 %1 列的单位</translation>
    </message>
    <message>
        <source>Choose the column of the date.</source>
        <translation>请选择日期所在的列。</translation>
    </message>
    <message>
        <source>Choose the column of the test point.</source>
        <translation>请选择测试点所在的列。</translation>
    </message>
    <message>
        <source>Choose the column of at least one value.</source>
        <translation>请至少选择一个数值所在的列。</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>未导入任何内容：%1</translation>
    </message>
    <message>
        <source>The mapping could not be remembered: %1</source>
        <translation>无法记住该映射：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) read: %1 taken, %2 already in the archive, %3 refused.</source>
        <translation>
            <numerusform>已读取 %n 行：导入 %1 行，%2 行已在档案中，拒绝 %3 行。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::IntervalEdit</name>
    <message>
        <source> months</source>
        <translation> 个月</translation>
    </message>
</context>
<context>
    <name>terrovane::history::IssuedReportsDialog</name>
    <message>
        <source>Issued reports</source>
        <translation>已签发的报告</translation>
    </message>
    <message>
        <source>Reports issued for %1</source>
        <translation>为 %1 签发的报告</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>版次</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>签发日期</translation>
    </message>
    <message>
        <source>By</source>
        <translation>签发人</translation>
    </message>
    <message>
        <source>No report was issued for this site yet: Site report..., then Issue...</source>
        <translation>此站点尚未签发报告：先选 站点报告...，再选 签发...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save a copy...</source>
        <translation>另存副本...</translation>
    </message>
    <message>
        <source>Save a copy</source>
        <translation>另存副本</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
</context>
<context>
    <name>terrovane::history::LabelDialog</name>
    <message>
        <source>Label:</source>
        <translation>标签：</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
</context>
<context>
    <name>terrovane::history::LimitEdit</name>
    <message>
        <source>%1 ohm (%2)</source>
        <translation>%1 欧 (%2)</translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation>自定义值</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>欧</translation>
    </message>
    <message>
        <source>where the value comes from</source>
        <translation>数值来源</translation>
    </message>
    <message>
        <source>Custom limit: &quot;%1&quot; has a thousands separator; type the number of ohms without it, such as %2.</source>
        <translation>自定义限值：“%1”含有千位分隔符；请去掉分隔符输入欧姆数，例如 %2。</translation>
    </message>
    <message>
        <source>Custom limit: enter a number of ohms above 0, such as %1.</source>
        <translation>自定义限值：请输入大于 0 的欧姆数，例如 %1。</translation>
    </message>
</context>
<context>
    <name>terrovane::history::PointPropertiesDialog</name>
    <message>
        <source>Rod</source>
        <translation>接地棒</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>接地网</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Tower leg</source>
        <translation>塔脚</translation>
    </message>
    <message>
        <source>Down conductor</source>
        <translation>引下线</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>New test point of %1</source>
        <translation>%1 的新测试点</translation>
    </message>
    <message>
        <source>Properties of %1 / %2</source>
        <translation>%1 / %2 的属性</translation>
    </message>
    <message>
        <source>The site&apos;s: %1</source>
        <translation>沿用现场：%1</translation>
    </message>
    <message>
        <source>The site&apos;s: none</source>
        <translation>沿用现场：无</translation>
    </message>
    <message>
        <source>The site&apos;s: %1 months</source>
        <translation>沿用现场：%1 个月</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>限值：</translation>
    </message>
    <message>
        <source>Re-test every:</source>
        <translation>复测周期：</translation>
    </message>
    <message>
        <source>The test point could not be saved: %1</source>
        <translation>无法保存测试点：%1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::PropertiesDialog</name>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Enter a name.</source>
        <translation>请输入名称。</translation>
    </message>
</context>
<context>
    <name>terrovane::history::ReportPhotoChoice</name>
    <message>
        <source>In the site report</source>
        <translation>列入站点报告</translation>
    </message>
    <message>
        <source>Print the chosen photo with its caption in the site report</source>
        <translation>在站点报告中打印所选照片及其说明</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SitePropertiesDialog</name>
    <message>
        <source>New site</source>
        <translation>新现场</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>%1 的属性</translation>
    </message>
    <message>
        <source>latitude,longitude in decimal degrees, such as 48.137,11.575</source>
        <translation>纬度,经度（十进制度），如 48.137,11.575</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>无限值</translation>
    </message>
    <message>
        <source>No re-test interval</source>
        <translation>无复测周期</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>限值：</translation>
    </message>
    <message>
        <source>Re-test every:</source>
        <translation>复测周期：</translation>
    </message>
    <message>
        <source>Enter the position as latitude,longitude in decimal degrees (such as 48.137,11.575), or leave it empty.</source>
        <translation>请以十进制度的纬度,经度输入位置（如 48.137,11.575），或留空。</translation>
    </message>
    <message>
        <source>The site could not be saved: %1</source>
        <translation>无法保存现场：%1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SiteReportDialog</name>
    <message>
        <source>Site report</source>
        <translation>站点报告</translation>
    </message>
    <message>
        <source>as on the instrument&apos;s plate</source>
        <translation>与仪表铭牌上一致</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>打印预览...</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>保存 PDF...</translation>
    </message>
    <message>
        <source>The report of %1</source>
        <translation>%1 的报告</translation>
    </message>
    <message>
        <source>Tester:</source>
        <translation>测试人：</translation>
    </message>
    <message>
        <source>Instrument serial:</source>
        <translation>仪表编号：</translation>
    </message>
    <message>
        <source>Issue...</source>
        <translation>签发...</translation>
    </message>
    <message>
        <source>Saves the report as a PDF with a report number and today&apos;s date, and keeps it in the archive as it was issued</source>
        <translation>将报告连同报告编号和今天的日期保存为 PDF，并按签发时的原样保存在档案库中</translation>
    </message>
    <message>
        <source>a new report number</source>
        <translation>新的报告编号</translation>
    </message>
    <message>
        <source>the next revision of %1</source>
        <translation>%1 的下一版</translation>
    </message>
    <message>
        <source>Issue as:</source>
        <translation>签发为：</translation>
    </message>
    <message>
        <source>Certificates PDF...</source>
        <translation>证书 PDF...</translation>
    </message>
    <message>
        <source>One page per test point: its limit, newest result, method, verdict and signatures</source>
        <translation>每个测试点一页：限值、最新结果、测试方法、判定和签名</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>委托方：</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>编制人：</translation>
    </message>
    <message>
        <source>Checked by:</source>
        <translation>审核人：</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SiteTree</name>
    <message>
        <source>Site / test point</source>
        <translation>站点 / 测试点</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>上次测试</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>到期</translation>
    </message>
    <message>
        <source>Overdue for re-test (%1)</source>
        <translation>逾期未复测（%1）</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>及另外 %1 个</translation>
    </message>
    <message>
        <source>now (overdue)</source>
        <translation>现在（逾期）</translation>
    </message>
    <message>
        <source> (overdue)</source>
        <translation>（逾期）</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>全部结果</translation>
    </message>
    <message>
        <source>Unassigned, newest read-out first</source>
        <translation>未分配，最新读取在前</translation>
    </message>
    <message>
        <source>never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>无法读取：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1, then %n failed reading(s)</source>
        <translation>
            <numerusform>%1，之后 %n 次测量失败</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::StoredAnalysesDialog</name>
    <message>
        <source>Stored analyses</source>
        <translation>已保存的分析</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>分析</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>现场</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>保存时间</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>摘要</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>删除...</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>土壤模型</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>电位降</translation>
    </message>
    <message>
        <source>D %1 m, %2 readings</source>
        <translation>D %1 m，%2 个读数</translation>
    </message>
    <message>
        <source>the soil model of %1</source>
        <translation>%1 的土壤模型</translation>
    </message>
    <message>
        <source>the fall-of-potential curve of %1 / %2</source>
        <translation>%1 / %2 的电位降曲线</translation>
    </message>
    <message>
        <source>Delete %1? The results stay in the archive.</source>
        <translation>删除 %1？结果仍保留在档案中。</translation>
    </message>
    <message>
        <source>It could not be deleted: %1</source>
        <translation>无法删除：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n layer(s) (asked: %1), RMS error %2 %, %3 points</source>
        <translation>
            <numerusform>%n 层（要求：%1），均方根误差 %2 %，%3 个点</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid assessment</source>
        <translation>接地网评估</translation>
    </message>
    <message>
        <source>%1 m x %2 m, %3 Ω·m: %4</source>
        <translation>%1 m x %2 m，%3 Ω·m：%4</translation>
    </message>
    <message>
        <source>No analysis is stored yet: &quot;Store with&quot; in the soil model, fall-of-potential and grid safety windows keeps one.</source>
        <translation>尚未保存分析：在土壤模型、电位降和接地网安全窗口中用“与…一起保存”保存。</translation>
    </message>
    <message>
        <source>the grid assessment of %1</source>
        <translation>%1 的接地网评估</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TrendChart</name>
    <message>
        <source>No readings to show</source>
        <translation>没有可显示的读数</translation>
    </message>
    <message>
        <source>limit %1 Ω (%2)</source>
        <translation>限值 %1 Ω（%2）</translation>
    </message>
    <message>
        <source>typed by hand: %1</source>
        <translation>手动录入：%1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TrendWindow</name>
    <message>
        <source>Trend</source>
        <translation>趋势</translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation>测量量：</translation>
    </message>
    <message>
        <source>No result has a label yet.</source>
        <translation>还没有带标签的结果。</translation>
    </message>
    <message>
        <source>%1 of %2 results with this label have a valid reading of this quantity.</source>
        <translation>带此标签的 %2 个结果中，有 %1 个具有该测量量的有效读数。</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Logarithmic axis</source>
        <translation>对数坐标轴</translation>
    </message>
    <message>
        <source>There is no test point yet.</source>
        <translation>尚无测试点。</translation>
    </message>
    <message>
        <source>%1 of %2 results of this test point have a valid reading of this quantity.</source>
        <translation>该测试点的 %2 个结果中有 %1 个具有此量的有效读数。</translation>
    </message>
    <message numerus="yes">
        <source>%n over range, marked at the top with the instrument&apos;s bound.</source>
        <translation>
            <numerusform>%n 个超量程，以仪器显示的界限标记在顶部。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out: an invalid reading or no valid measuring date.</source>
        <translation>
            <numerusform>%n 个被略去：读数无效或没有有效的测量日期。</numerusform>
        </translation>
    </message>
    <message>
        <source>The test points could not be read.</source>
        <translation>无法读取测试点。</translation>
    </message>
    <message>
        <source>The labels could not be read.</source>
        <translation>无法读取标签。</translation>
    </message>
    <message>
        <source>The results could not be read.</source>
        <translation>无法读取结果。</translation>
    </message>
    <message>
        <source>The results typed by hand could not be read.</source>
        <translation>无法读取手动录入的结果。</translation>
    </message>
    <message numerus="yes">
        <source>%n typed by hand, drawn as open squares.</source>
        <translation>
            <numerusform>%n 个手动录入，以空心方块表示。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::TypedResultDialog</name>
    <message>
        <source>Correct typed result</source>
        <translation>更正录入结果</translation>
    </message>
    <message>
        <source>New result</source>
        <translation>新结果</translation>
    </message>
    <message>
        <source>Test &amp;point:</source>
        <translation>测试点(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>方法(&amp;M)：</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>数值：</translation>
    </message>
    <message>
        <source>Measured &amp;on:</source>
        <translation>测量时间(&amp;O)：</translation>
    </message>
    <message>
        <source>make, model, serial</source>
        <translation>厂家、型号、序列号</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>仪器(&amp;I)：</translation>
    </message>
    <message>
        <source>Measured &amp;by:</source>
        <translation>测量人(&amp;B)：</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>备注(&amp;T)：</translation>
    </message>
    <message>
        <source>Unit of %1</source>
        <translation>%1 的单位</translation>
    </message>
    <message>
        <source>over range</source>
        <translation>超量程</translation>
    </message>
    <message>
        <source>Above the instrument&apos;s range: the number is the bound it showed</source>
        <translation>超出仪器量程：数字为仪器显示的界限</translation>
    </message>
    <message>
        <source>There is no test point yet: make one in the tree first.</source>
        <translation>尚无测试点：请先在树中创建一个。</translation>
    </message>
    <message>
        <source>Choose the test point the result was measured at.</source>
        <translation>请选择测量该结果的测试点。</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TypedResultsPane</name>
    <message>
        <source>Results typed by hand</source>
        <translation>手动录入的结果</translation>
    </message>
    <message>
        <source>New result...</source>
        <translation>新结果...</translation>
    </message>
    <message>
        <source>Correct...</source>
        <translation>更正...</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>测量时间</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>测试点</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方法</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>测量人</translation>
    </message>
    <message>
        <source>Typed by</source>
        <translation>录入人</translation>
    </message>
    <message>
        <source>(corrected)</source>
        <translation>（已更正）</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>未分配</translation>
    </message>
</context>
<context>
    <name>terrovane::history::VisitDialog</name>
    <message>
        <source>Edit visit of %1</source>
        <translation>编辑 %1 的现场访问</translation>
    </message>
    <message>
        <source>New visit of %1</source>
        <translation>新建 %1 的现场访问</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>日期(&amp;D)：</translation>
    </message>
    <message>
        <source>names, as on the report</source>
        <translation>姓名，与报告上一致</translation>
    </message>
    <message>
        <source>Visited &amp;by:</source>
        <translation>访问人员(&amp;B)：</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Calibration due</source>
        <translation>校准到期</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Calibration due dates are written YYYY-MM-DD</source>
        <translation>校准到期日写作 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>Add &amp;instrument</source>
        <translation>添加仪器(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Remove instrument</source>
        <translation>移除仪器(&amp;R)</translation>
    </message>
    <message>
        <source>Instruments:</source>
        <translation>仪器：</translation>
    </message>
    <message>
        <source>e.g. overcast, rain overnight</source>
        <translation>例如：阴天，夜间有雨</translation>
    </message>
    <message>
        <source>&amp;Weather:</source>
        <translation>天气(&amp;W)：</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>已测量</translation>
    </message>
    <message>
        <source>Air temperature</source>
        <translation>气温</translation>
    </message>
    <message>
        <source>Air &amp;temperature:</source>
        <translation>气温(&amp;T)：</translation>
    </message>
    <message>
        <source>not stated</source>
        <translation>未说明</translation>
    </message>
    <message>
        <source>&amp;Soil:</source>
        <translation>土壤(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
</context>
<context>
    <name>terrovane::history::VisitsPane</name>
    <message>
        <source>Visits</source>
        <translation>现场访问</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>By</source>
        <translation>人员</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>条件</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>New visit...</source>
        <translation>新建现场访问...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>编辑...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Add results</source>
        <translation>添加结果</translation>
    </message>
    <message>
        <source>Visits of %1</source>
        <translation>%1 的现场访问</translation>
    </message>
    <message>
        <source>Visits (choose a site)</source>
        <translation>现场访问（请选择站点）</translation>
    </message>
    <message>
        <source>The visit could not be read.</source>
        <translation>无法读取该现场访问。</translation>
    </message>
    <message>
        <source>The visit could not be deleted.</source>
        <translation>无法删除该现场访问。</translation>
    </message>
    <message>
        <source>The results could not be added to the visit.</source>
        <translation>无法将结果加入该现场访问。</translation>
    </message>
    <message>
        <source>Puts the results selected in the list, and the typed result chosen below it, into the chosen visit</source>
        <translation>将列表中所选的结果及其下方所选的录入结果加入所选的现场访问</translation>
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
        <translation>打印信息设置</translation>
    </message>
    <message>
        <source>测试对象</source>
        <translation>测试对象</translation>
    </message>
    <message>
        <source>仪表编号</source>
        <translation>仪表编号</translation>
    </message>
    <message>
        <source>测试人 </source>
        <translation>测试人 </translation>
    </message>
    <message>
        <source>日期     </source>
        <translation>日期     </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>取消</translation>
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
        <translation>打印服务程序</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Rapstel - 打印预览</source>
        <translation>Rapstel - 打印预览</translation>
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
        <translation>冲突</translation>
    </message>
    <message>
        <source>The same field was changed in two places. &quot;This&quot; value is the one in force everywhere, &quot;that&quot; one lost.</source>
        <translation>同一字段在两处被修改。“此值”在各处生效，“彼值”被覆盖。</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>修改对象</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>This value</source>
        <translation>此值</translation>
    </message>
    <message>
        <source>By</source>
        <translation>修改人</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>That value</source>
        <translation>彼值</translation>
    </message>
    <message>
        <source>Keep &amp;this</source>
        <translation>保留此值(&amp;T)</translation>
    </message>
    <message>
        <source>Keep t&amp;hat</source>
        <translation>保留彼值(&amp;H)</translation>
    </message>
    <message>
        <source>The conflicts could not be read: %1</source>
        <translation>无法读取冲突：%1</translation>
    </message>
    <message>
        <source>There are no conflicts.</source>
        <translation>没有冲突。</translation>
    </message>
    <message>
        <source>The conflict could not be settled: %1</source>
        <translation>无法解决该冲突：%1</translation>
    </message>
</context>
<context>
    <name>terrovane::teamui::SyncStrip</name>
    <message>
        <source>Last sync: %1</source>
        <translation>上次同步：%1</translation>
    </message>
    <message>
        <source>Not yet sent: %1</source>
        <translation>尚未发送：%1</translation>
    </message>
    <message>
        <source>Not yet sent: unknown</source>
        <translation>尚未发送：未知</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Conflicts (%1)...</source>
        <translation>冲突 (%1)...</translation>
    </message>
    <message>
        <source>Conflicts...</source>
        <translation>冲突...</translation>
    </message>
    <message>
        <source>Cancelling the sync...</source>
        <translation>正在取消同步...</translation>
    </message>
    <message>
        <source>The last sync was cancelled</source>
        <translation>上次同步已取消</translation>
    </message>
</context>
<context>
    <name>terrovane::teamui::TeamDialog</name>
    <message>
        <source>Team</source>
        <translation>团队</translation>
    </message>
    <message>
        <source>host=server.example dbname=terrovane</source>
        <translation>host=server.example dbname=terrovane</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>服务器(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>用户(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>密码(&amp;P)：</translation>
    </message>
    <message>
        <source>Sign &amp;in</source>
        <translation>登录(&amp;I)</translation>
    </message>
    <message>
        <source>Sign &amp;out</source>
        <translation>注销(&amp;O)</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>立即同步(&amp;Y)</translation>
    </message>
    <message>
        <source>Sync &amp;automatically every</source>
        <translation>自动同步(&amp;A)，每隔</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> 分钟</translation>
    </message>
    <message>
        <source>(kept)</source>
        <translation>（已保存）</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>密码保存在桌面的密钥库中，从不写入文件。</translation>
    </message>
    <message>
        <source>No secret store is available: the password is kept until the program ends, and asked for again at the next start.</source>
        <translation>没有可用的密钥库：密码仅保留到程序结束，下次启动时需重新输入。</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>正在同步...</translation>
    </message>
    <message>
        <source>Last sync: %1.</source>
        <translation>上次同步：%1。</translation>
    </message>
    <message>
        <source>Signed out. %1</source>
        <translation>已注销。%1</translation>
    </message>
    <message>
        <source>The server&apos;s message: %1</source>
        <translation>服务器消息：%1</translation>
    </message>
    <message>
        <source>Cancel s&amp;ync</source>
        <translation>取消同步(&amp;Y)</translation>
    </message>
    <message>
        <source>Cancelling the sync...</source>
        <translation>正在取消同步...</translation>
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
