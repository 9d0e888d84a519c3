#include "settings/help_pages.h"

namespace qw {

const std::vector<HelpPage>& HelpPages() {
    static const std::vector<HelpPage> pages = {
        {" About", {}},
        {" Features",
         "Quirewell shows a plain text as the two facing pages of an open book.\n\n"
         "- Re-joins lines broken by hard line breaks and wraps them to the page width of "
         "the chosen font.\n"
         "- Opens plain text, HTML, RTF, Palm DOC (PDB), OpenOffice SXW, XML and Word DOC, also "
         "from inside ZIP archives; several files can be joined into one book.\n"
         "- Remembers per book the page, three bookmarks, font and line-break settings, "
         "contents criteria and a small catalogue record.\n"
         "- Table of contents from detected headers, find in the text and in files, an "
         "editor, saving as plain text or Palm DOC.\n"
         "- Recent files, favorites, colour schemes, automatic page turning and a clock.\n"
         "- A browser for the Project Gutenberg catalogue that downloads books.\n"
         "Every option is stored in Quirewell.ini the moment it changes."},
        {" Keyboard",
         "Turning pages (always): Home title page, End last pages, Page Up/Down 10 pages, "
         "Up/Backspace and Down/Space a double page, Left/Right one page. Alt+Left/Right: "
         "page history.\n\n"
         "With keyboard shortcuts enabled:\n"
         "Ctrl+O open (Ctrl+Shift+O with the associated program), Ctrl+A append, Ctrl+S save "
         "as, Ctrl+W close, F5 reload, Ctrl+X exit.\n"
         "Ctrl+F find, F3 find next, Ctrl+Shift+F find in files, Ctrl+C copy.\n"
         "Ctrl+1..3 go to a bookmark, Ctrl+Shift+1..3 clear it, Ctrl+B set the next, "
         "Ctrl+Shift+B clear all.\n"
         "Ctrl+T contents, Ctrl+Left/Right previous/next section, Ctrl+R recent files "
         "(Ctrl+Shift+R the latest), Ctrl+Page Up/Down, Ctrl+Home/End other files of the "
         "folder.\n"
         "+ and - font size, Ctrl+N / Ctrl+Shift+N next/previous font, Ctrl+Enter full "
         "screen, Ctrl+E editor, Ctrl+G Gutenberg browser, F1 help.\n"
         "Pause starts, pauses and resumes automatic turning; Shift+Pause stops it. Esc closes "
         "the panels (or minimises).\n"
         "Typing a digit asks for a page (Quick page); typing a letter starts a search "
         "(Quick find).\n"
         "In the menu: Alt+M opens it, Tab moves through it, the underlined letters with Alt "
         "run a command, Esc closes it."},
        {" Mouse",
         "Menu, Help, Recent: move the mouse onto a button to open its panel, back onto the "
         "book to close it (or click, with \"Disable control by mouse movement\").\n\n"
         "Background above and below the text, the button bar and the page gap: left click "
         "a double page back, right click a double page forward.\n"
         "Narrow strips at the left and right edge: a double page back or forward.\n"
         "Page text: select with the left button; the right button opens the menu at the "
         "mouse.\n"
         "Left page number: jump to a page; right click shows the page history. Right page "
         "number: jump to a page.\n"
         "Progress bar: click to go to that place of the book.\n"
         "Wheel: turn pages; Ctrl+wheel: font size."},
        {" Tips",
         "- Texts with hard line breaks read best with \"Remove single line breaks\" (File "
         "specific page).\n"
         "- Without \"Automatically fit lines\", font changes take effect when you leave the "
         "menu or click \"Fit lines now\".\n"
         "- \"Turn 1 page every N seconds\" on the Control page reads on its own; the caption "
         "counts down.\n"
         "- Shift+click removes an entry from the recent or favorites list.\n"
         "- Quirewell.ini is plain text: the INI file page lists and cleans up the book "
         "records.\n"
         "- Open Help.txt on the About page for the whole guide."},
    };
    return pages;
}

std::string ProgramNameAndVersion() {
    return std::string("Quirewell ") + QW_VERSION;
}
} // namespace qw
