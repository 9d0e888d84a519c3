#pragma once
// Texts in the shapes of real novels, for the contents and the Project
// Gutenberg frame: volumes, chapters with and without titles, a contents list
// at the front, verse, letters, an old or new style frame, CR LF or LF.

#include <string>
#include <vector>

namespace novel {

enum class Frame { None, Old, New };
enum class Headings {
    ChapterRoman,  // "CHAPTER IV." with a title on some
    ChapterArabic, // "Chapter 12"
    ChapterWords,  // "CHAPTER THE FOURTH"
    BareRoman,     // "IV."
    Letters,       // "LETTER IV"
    Staves,        // "STAVE FOUR"
};

struct Shape {
    int volumes = 0;  // 0: no volume headings; else "VOLUME I" ... with 3 blank lines after
    int chapters = 8; // per volume
    Headings headings = Headings::ChapterRoman;
    bool titled = true;         // every other chapter has a title after its number
    bool frontContents = false; // a contents list at the front, one line per chapter
    bool verse = false;         // a poem of short stanzas in every third chapter
    Frame frame = Frame::None;
    const char* lineBreak = "\r\n";
    int paragraphs = 5; // per chapter, hard-wrapped at 70 characters
};

struct Novel {
    std::string text;
    std::vector<std::string> headings; // the body's volume and chapter headings, in order
    std::string title = "The Quiet House on Marsh Lane";
    std::string author = "Eleanor Whitby";
};

inline std::string Roman(int n) {
    static const char* const ones[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    static const char* const tens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    return std::string(tens[(n / 10) % 10]) + ones[n % 10];
}

inline std::string Words(int n, bool ordinal) {
    static const char* const cardinals[] = {
        "",         "ONE",     "TWO",     "THREE",     "FOUR",     "FIVE",    "SIX",
        "SEVEN",    "EIGHT",   "NINE",    "TEN",       "ELEVEN",   "TWELVE",  "THIRTEEN",
        "FOURTEEN", "FIFTEEN", "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN"};
    static const char* const ordinals[] = {"",          "FIRST",       "SECOND",     "THIRD",
                                           "FOURTH",    "FIFTH",       "SIXTH",      "SEVENTH",
                                           "EIGHTH",    "NINTH",       "TENTH",      "ELEVENTH",
                                           "TWELFTH",   "THIRTEENTH",  "FOURTEENTH", "FIFTEENTH",
                                           "SIXTEENTH", "SEVENTEENTH", "EIGHTEENTH", "NINETEENTH"};
    if (n < 20)
        return ordinal ? ordinals[n] : cardinals[n];
    const char* const decades[] = {"", "", "TWENTY", "THIRTY", "FORTY"};
    std::string s = decades[n / 10];
    if (n % 10 == 0)
        return ordinal ? s.substr(0, s.size() - 1) + "IETH" : s;
    return s + "-" + (ordinal ? ordinals[n % 10] : cardinals[n % 10]);
}

inline std::string HeadingOf(Headings h, int n) {
    switch (h) {
    case Headings::ChapterRoman:
        return "CHAPTER " + Roman(n) + ".";
    case Headings::ChapterArabic:
        return "Chapter " + std::to_string(n);
    case Headings::ChapterWords:
        return "CHAPTER THE " + Words(n, true);
    case Headings::BareRoman:
        return Roman(n) + ".";
    case Headings::Letters:
        return "LETTER " + Roman(n);
    case Headings::Staves:
        return "STAVE " + Words(n, false);
    }
    return {};
}

inline std::string ChapterTitle(int n) {
    static const char* const titles[] = {"In Which a Letter Arrives", "The Vicar Calls",
                                         "A Walk to the Mill",        "Rain at Harrowgate",
                                         "What the Housekeeper Knew", "The Ball at Netherby"};
    return titles[n % 6];
}

// Hard-wrapped prose; n varies the words so that paragraphs differ.
inline std::vector<std::string> Paragraph(int n) {
    static const char* const words[] = {
        "the",    "evening", "was",   "grey",     "and",    "Mrs.",    "Harcourt", "walked",
        "slowly", "along",   "the",   "garden",   "wall,",  "turning", "over",     "in",
        "her",    "mind",    "every", "word",     "that",   "had",     "passed",   "between",
        "them;",  "nothing", "could", "persuade", "her",    "that",    "it",       "was",
        "over.",  "She",     "found", "the",      "letter", "again",   "beneath",  "the"};
    std::vector<std::string> lines;
    std::string line = "  ";
    const int count = 40 + (n * 7) % 45;
    for (int i = 0; i < count; ++i) {
        const std::string w = words[(n * 3 + i) % 40];
        if (line.size() + w.size() + 1 > 70) {
            lines.push_back(line);
            line.clear();
        }
        line += (line.empty() || line == "  " ? "" : " ") + w;
    }
    line += ".";
    lines.push_back(line);
    return lines;
}

inline Novel Make(const Shape& shape) {
    Novel novel;
    std::vector<std::string> lines;
    auto blank = [&](int n) { lines.insert(lines.end(), static_cast<size_t>(n), ""); };
    auto add = [&](const std::string& line) { lines.push_back(line); };

    if (shape.frame == Frame::New) {
        add("The Project Gutenberg eBook of " + novel.title + ", by " + novel.author);
        blank(1);
        add("This ebook is for the use of anyone anywhere in the United States and");
        add("most other parts of the world at no cost and with almost no restrictions");
        add("whatsoever. You may copy it, give it away or re-use it under the terms");
        add("of the Project Gutenberg License included with this ebook or online");
        add("at www.gutenberg.org.");
        blank(1);
        add("Title: " + novel.title);
        blank(1);
        add("Author: " + novel.author);
        blank(1);
        add("Translator: Margaret Ames");
        blank(1);
        add("Release date: March 3, 2004 [eBook #11532]");
        add("                Most recently updated: October 28, 2024");
        blank(1);
        add("Language: English");
        blank(2);
        add("*** START OF THE PROJECT GUTENBERG EBOOK THE QUIET HOUSE ON MARSH LANE ***");
        blank(4);
    } else if (shape.frame == Frame::Old) {
        add("The Project Gutenberg EBook of " + novel.title + ", by " + novel.author);
        blank(1);
        add("Title: " + novel.title);
        blank(1);
        add("Author: " + novel.author);
        blank(1);
        add("Release Date: June, 1998 [EBook #1342]");
        add("Language: English");
        blank(1);
        add("*The Project Gutenberg Etext of The Quiet House*");
        add("******This file should be named quiet10.txt or quiet10.zip******");
        blank(1);
        for (int i = 0; i < 40; ++i)
            add("small print: the licence and the disclaimers of the etext, line " +
                std::to_string(i));
        add("*END*THE SMALL PRINT! FOR PUBLIC DOMAIN ETEXTS*Ver.04.29.93*END*");
        blank(3);
    }

    add(novel.title);
    blank(1);
    add("by " + novel.author);
    const int volumes = std::max(1, shape.volumes);
    if (shape.frontContents) {
        blank(4);
        add("CONTENTS");
        blank(3);
        for (int v = 1; v <= volumes; ++v) {
            if (shape.volumes > 0) {
                add("VOLUME " + Roman(v));
                blank(1);
            }
            for (int c = 1; c <= shape.chapters; ++c) {
                std::string entry = HeadingOf(shape.headings, c);
                if (shape.titled && c % 2 == 1)
                    entry += " " + ChapterTitle(c);
                add("     " + entry);
            }
            blank(1);
        }
    }

    int paragraphNo = 0;
    for (int v = 1; v <= volumes; ++v) {
        if (shape.volumes > 0) {
            blank(5);
            const std::string heading = "VOLUME " + Roman(v);
            add(heading);
            novel.headings.push_back(heading);
            blank(3); // the first chapter follows closely
        } else {
            blank(4);
        }
        for (int c = 1; c <= shape.chapters; ++c) {
            if (c > 1)
                blank(4);
            std::string heading = HeadingOf(shape.headings, c);
            if (shape.titled && c % 2 == 1) {
                if (c % 4 == 1) {
                    heading += " " + ChapterTitle(c);
                    add(heading);
                } else {
                    add(heading);
                    add(ChapterTitle(c)); // a title on the line below
                }
            } else {
                add(heading);
            }
            novel.headings.push_back(heading);
            blank(2);
            if (shape.headings == Headings::Letters) {
                add("To Mrs. Saville, England.");
                blank(1);
                add("St. Petersburgh, Dec. 11th, 17--.");
                blank(1);
            }
            for (int p = 0; p < shape.paragraphs; ++p) {
                for (const std::string& l : Paragraph(paragraphNo++))
                    add(l);
                blank(1);
                if (shape.verse && c % 3 == 0 && p == 1) {
                    for (int stanza = 0; stanza < 3; ++stanza) {
                        add("        O wind that walks the marsh at night,");
                        add("          And stirs the reeds to sighing,");
                        add("        Bring home the ship, bring home the light,");
                        add("          Before the year is dying.");
                        blank(1);
                    }
                }
            }
            if (shape.headings == Headings::Letters) {
                add("Your affectionate brother,");
                add("        R. Walton");
            }
        }
    }

    if (shape.frame == Frame::New) {
        blank(4);
        add("*** END OF THE PROJECT GUTENBERG EBOOK THE QUIET HOUSE ON MARSH LANE ***");
        blank(2);
        for (int i = 0; i < 60; ++i)
            add("Updated editions will replace the previous one--the old editions will " +
                std::to_string(i));
    } else if (shape.frame == Frame::Old) {
        blank(3);
        add("End of the Project Gutenberg EBook of " + novel.title + ", by " + novel.author);
        blank(1);
        add("*** END OF THIS PROJECT GUTENBERG EBOOK THE QUIET HOUSE ON MARSH LANE ***");
        blank(1);
        for (int i = 0; i < 30; ++i)
            add("***** This file should be named quiet10.txt or quiet10.zip ***** " +
                std::to_string(i));
    }

    for (size_t i = 0; i < lines.size(); ++i) {
        novel.text += lines[i];
        if (i + 1 < lines.size())
            novel.text += shape.lineBreak;
    }
    return novel;
}

} // namespace novel
