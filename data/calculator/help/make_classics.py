#!/usr/bin/env python3
"""Builds Tamsor's three classic-text files from plain UTF-8 copies of the
素问 and the 灵枢 (the copies described in their own README):

    make_classics.py SOURCE_FOLDER [OUTPUT_FOLDER]

SOURCE_FOLDER holds 素问.txt and 灵枢.txt. Writes, in GBK as the program
reads them, 黄帝内经-素问.txt, 黄帝内经-灵枢.txt and 运气学七篇.txt (a reading
guide followed by the seven chapters on movements and qi).

What the conversion does to the copies:
- drops the layout markers (<目录>, <篇名>, 属性：, \\x…\\x) and joins the
  hard-wrapped lines back into paragraphs;
- mends the known slips of the copies' simplified-character conversion
  (营运→运行, 浓→厚, 伊芳尹→伊尹, 虎野狼→虎狼, 征→徵 where it is the note);
- shows every character that was lost in the copies (a lone blank between
  two characters, HT/KT codes) and every character GBK cannot hold as □.
"""

import re
import sys
from pathlib import Path

LOST = "□"

FIXES = [
    ("营运", "运行"),
    ("浓", "厚"),
    ("伊芳尹", "伊尹"),
    ("虎野狼", "虎狼"),
    ("征四失论", "徵四失论"),
    ("阴阴离合论", "阴阳离合论"),
]
# 征 as the note 徵 (宫商角徵羽), never 征 as in 征兆.
NOTE_FIXES = [
    (re.compile(r"(?<=[角宫商羽太少])征"), "徵"),
    (re.compile(r"征(?=[羽宫商角])"), "徵"),
    (re.compile(r"(?<=其音)征"), "徵"),
    (re.compile(r"(?<=音为)征"), "徵"),
    (re.compile(r"(?<=上)征(?=[而则与])"), "徵"),
]

SEVEN = ["天元纪大论篇第六十六", "五运行大论篇第六十七", "六微旨大论篇第六十八", "气交变大论篇第六十九",
         "五常政大论篇第七十", "六元正纪大论篇第七十一", "至真要大论篇第七十四"]

CJK = r"[\u3400-\u9fff\uf900-\ufaff\u3000-\u303f\uff00-\uffef∶]"


def clean_line(line):
    line = line.rstrip()
    line = line.replace("\\x", "")
    line = re.sub(r"HT|KT", LOST, line)
    # A blank left between two characters is a character the copy lost,
    # except in the year tables of the 六元正纪大论, whose lines are short
    # words separated by blanks; those blanks stay (as wide blanks).
    inner = re.compile(rf"(?<={CJK}) +(?={CJK})")
    words = line.strip().split()
    is_table = len(words) >= 3 and sum(len(w) for w in words) / len(words) <= 8
    line = inner.sub("　" if is_table else LOST, line)
    for old, new in FIXES:
        line = line.replace(old, new)
    for pattern, new in NOTE_FIXES:
        line = pattern.sub(new, line)
    return line.strip()


def ends_paragraph(line):
    return len(line) < 40 and line[-1:] in "。？！”」：∶"


def read_book(path):
    """Returns [(volume, title, [paragraph, ...]), ...] in the book's order."""
    chapters = []
    volume = ""
    current = None
    paragraph = ""
    for raw in Path(path).read_text(encoding="utf-8").splitlines():
        if raw.startswith("<目录>"):
            volume = raw[len("<目录>"):].strip()
            continue
        if raw.startswith("<篇名>"):
            if current is not None and paragraph:
                current[2].append(paragraph)
            paragraph = ""
            current = (volume, clean_line(raw[len("<篇名>"):]), [])
            chapters.append(current)
            continue
        if current is None:
            continue
        if raw.startswith("属性："):
            raw = raw[len("属性："):]
        if raw.startswith(("书名：", "作者：", "朝代：", "年份：")):
            continue
        line = clean_line(raw)
        if not line:
            if paragraph:
                current[2].append(paragraph)
                paragraph = ""
            continue
        if "　" in line:
            # A table line stands alone.
            if paragraph:
                current[2].append(paragraph)
            current[2].append(line)
            paragraph = ""
            continue
        paragraph += line
        if ends_paragraph(line):
            current[2].append(paragraph)
            paragraph = ""
    if current is not None and paragraph:
        current[2].append(paragraph)
    return [c for c in chapters if c[2]]


def contents(chapters):
    lines = ["目录", ""]
    last_volume = None
    for volume, title, _ in chapters:
        if volume and volume != last_volume:
            lines.append(volume)
            last_volume = volume
        lines.append(("　　" if volume else "") + title)
    return lines


def body(chapters):
    lines = []
    for volume, title, paragraphs in chapters:
        lines += ["", "", "【" + title + "】" + ("　（" + volume + "）" if volume else ""), ""]
        lines += ["　　" + p for p in paragraphs]
    return lines


def to_gbk(text):
    out = []
    lost = 0
    for ch in text:
        try:
            ch.encode("gbk")
            out.append(ch)
        except UnicodeEncodeError:
            out.append(LOST)
            lost += 1
    return "".join(out).encode("gbk"), lost


def write(path, lines):
    data, lost = to_gbk("\r\n".join(lines) + "\r\n")
    Path(path).write_bytes(data)
    print(f"{path}: {len(data)} bytes, {lost} characters GBK cannot hold shown as {LOST}")


NOTE_COMMON = [
    "本文件由程序附带的转换脚本从公开的纯文本古籍整理而成，仅作阅读参考，引用请核对通行印本。"
    "整理说明：原文的硬换行已接回为段落；原抄本简繁转换的误字已改回（营运→运行、浓→厚、角征→角徵等）；"
    "原抄本中脱失的字，以及 GBK 编码不能容纳的字，一律以“□”表示。",
]

SUWEN_NOTE = [
    "黄帝内经·素问",
    "",
    "唐·王冰次注本的编次，二十四卷、八十一篇（含第七十二《刺法论》、第七十三《本病论》两篇遗篇），"
    "前有宋·林亿等《重广补注黄帝内经素问》序与王冰序，后有明·顾从德跋。此本只录经文，不含王冰注。",
    "",
] + NOTE_COMMON + [
    "运气学说集中在第六十六至第七十一篇及第七十四篇，即“运气七篇”（另见“运气学七篇”）。",
    "",
]

LINGSHU_NOTE = [
    "黄帝内经·灵枢",
    "",
    "所据为清·张志聪《黄帝内经灵枢集注》（1672年），八十一篇俱全。每段经文之后紧接张志聪及其门人的注释，"
    "原本未将经文与注文分开，阅读时请注意区分；第十《经脉》篇中另有后人所加的诸穴歌诀，不属《灵枢》原文。",
    "",
] + NOTE_COMMON + [""]

SEVEN_GUIDE = """运气学七篇  导读

《素问》第六十六至第七十一篇和第七十四篇，即《天元纪大论》《五运行大论》《六微旨大论》《气交变大论》《五常政大论》《六元正纪大论》《至真要大论》，专论五运六气，后世称为“运气七篇”或“七篇大论”。宋代林亿等校书时已指出这七篇篇幅宏大、体例与其余各篇不同，一般认为是王冰补入的内容。本程序的各种分析文字多引自这七篇。下面按篇简述要点，供初读时把握脉络，后附七篇原文。

一、天元纪大论（第六十六）
总论五运与六气的来源：天干化五运（甲己化土、乙庚化金、丙辛化水、丁壬化木、戊癸化火），地支配三阴三阳（子午少阴君火、丑未太阴湿土、寅申少阳相火、卯酉阳明燥金、辰戌太阳寒水、巳亥厥阴风木），以及“天以六为节，地以五为制”，五六相合，三十年一纪，六十年一周。

二、五运行大论（第六十七）
五运在天地间的运行：司天在泉与左右间气的位置，“上下相遘，寒暑相临，气相得则和，不相得则病”，五气各自的性用、德化、政令、灾变，以及对人体五脏的影响。

三、六微旨大论（第六十八）
六气的标本中气，六步主时，“亢则害，承乃制”的道理；讨论天符、岁会等运气相合的年份，以及交司时刻（六气始终的刻分）。

四、气交变大论（第六十九）
岁运太过、不及各年的气候与发病：如“岁木太过，风气流行，脾土受邪”，不及之年所不胜之气来胜，其子来复。本程序“岁运”页的“胜”“复”文字多出于此。

五、五常政大论（第七十）
五运的平气、不及、太过三种年份，各有名称（如木运平气曰敷和、不及曰委和、太过曰发生），详述其气候、物候与病候，即本程序所说的“三气之纪”；又论地理高下对寿夭的影响和治法。

六、六元正纪大论（第七十一）
按六十年逐年排列司天、中运、在泉，各年六步客气的气候与民病，以及“其化”所宜的药食之味；又论五郁之发（“木郁达之，火郁发之……”）与用寒远寒、用热远热等用药法度。篇幅最长，是推算的依据。

七、至真要大论（第七十四）
司天、在泉之气淫胜所致的病证与治法（“平以……，佐以……”），客主之胜复，以及病机十九条和制方的君臣佐使、奇偶大小之制。本程序“司天”“在泉”页与六气分析的治则多出于此。

阅读建议：先读《天元纪大论》《五运行大论》明其大纲，再读《六微旨大论》明其推步，然后对照本程序某一年的表格读《气交变大论》《五常政大论》《六元正纪大论》中该年的条文，最后读《至真要大论》掌握治则。运气之说言其常，临证仍须以四诊所得为准，不可按年套方。
"""


def main():
    source = Path(sys.argv[1])
    out = Path(sys.argv[2]) if len(sys.argv) > 2 else Path(__file__).resolve().parent
    suwen = read_book(source / "素问.txt")
    lingshu = read_book(source / "灵枢.txt")
    write(out / "黄帝内经-素问.txt", SUWEN_NOTE + contents(suwen) + body(suwen))
    write(out / "黄帝内经-灵枢.txt", LINGSHU_NOTE + contents(lingshu) + body(lingshu))
    seven = [c for c in suwen if c[1] in SEVEN]
    if len(seven) != len(SEVEN):
        sys.exit("make_classics.py: not all seven chapters found: " + ", ".join(c[1] for c in seven))
    write(out / "运气学七篇.txt", SEVEN_GUIDE.splitlines() + NOTE_COMMON + body(seven))


if __name__ == "__main__":
    main()
