#include "reader/ui/ColoursPart.h"

#include "reader/ui/PageArea.h"
#include "reader/ui/ProgressBar.h"
#include "settings/configuration.h"
#include "settings/ui/colour_scheme_ui.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QTextEdit>

namespace qw {

namespace {

template <typename Widget> void mark(QWidget& window, const char* name, ColourRole role) {
    if (auto* widget = window.findChild<Widget*>(QString::fromLatin1(name)))
        SetColourRole(*widget, role);
}

} // namespace

ColoursPart::ColoursPart(ReaderContext& context)
    : QObject(&context.window), window_(context.window), pages_(context.pages) {
    // Every start shows the "Default" colours.
    if (context.configLoaded)
        SetCurrentColours(ReadColors(context.config.settings));
    QWidget& w = context.window;
    SetColourRole(w, ColourRole::Window);
    for (const char* name : {"SeitenNrLinks", "SeitenNrRechts"})
        mark<QLabel>(w, name, ColourRole::BookText);
    for (const char* name : {"RecentPanel", "Contents"})
        mark<QWidget>(w, name, ColourRole::Menu);
    for (const char* name : {"RecentTitle", "FavoriteTitle"})
        mark<QLabel>(w, name, ColourRole::MenuTitle);
    for (const char* name : {"RecentList", "FavoriteList", "ChapterList"})
        mark<QAbstractItemView>(w, name, ColourRole::List);
    mark<QWidget>(w, "ChapterPreview", ColourRole::List);
}

void ColoursPart::apply() {
    const ColourSet& colours = CurrentColours();
    auto colour = [&](SchemeColour which) { return SchemeColourOf(colours, which); };
    pages_.setColors(colour(SchemeColour::Background), colour(SchemeColour::Text),
                     colour(SchemeColour::WindowBackground));
    if (auto* bar = window_.findChild<ProgressBar*>()) {
        // The empty part a shade off the window colour, the filled part in the button text.
        const QColor window = colour(SchemeColour::WindowBackground);
        bar->setColors(window.lightness() < 128 ? window.lighter(170) : window.darker(112),
                       colour(SchemeColour::ButtonText));
    }
    // Also the windows it owns: a floating contents panel, the options.
    ApplyColourScheme(window_, colours);
}

} // namespace qw
