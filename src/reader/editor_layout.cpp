#include "reader/editor_layout.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace qw {

const char* const kEditorLayoutError = "Error saving editor layout";

namespace {

constexpr std::array<EditorBandKind, 4> kAllBands = {EditorBandKind::Font, EditorBandKind::Actions,
                                                     EditorBandKind::Find, EditorBandKind::Replace};

std::optional<char> letterOf(EditorBandKind kind) {
    switch (kind) {
    case EditorBandKind::Font:
        return 'F';
    case EditorBandKind::Actions:
        return 'A';
    case EditorBandKind::Find:
        return 'S';
    case EditorBandKind::Replace:
        return 'R';
    }
    return std::nullopt;
}

std::optional<EditorBandKind> kindOf(char letter) {
    for (const EditorBandKind kind : kAllBands)
        if (letterOf(kind) == letter)
            return kind;
    return std::nullopt;
}

bool has(const EditorBands& bands, EditorBandKind kind) {
    return std::any_of(bands.begin(), bands.end(),
                       [kind](const EditorBand& b) { return b.kind == kind; });
}

} // namespace

EditorBands DefaultEditorLayout() {
    return {{EditorBandKind::Font, true, true, 0},
            {EditorBandKind::Actions, false, true, 0},
            {EditorBandKind::Find, true, true, 0},
            {EditorBandKind::Replace, false, true, 0}};
}

EditorBands ParseEditorLayout(std::string_view text) {
    EditorBands bands;
    for (std::size_t at = 0; at + 8 <= text.size(); at += 8) {
        const std::string_view piece = text.substr(at, 8);
        const std::optional<EditorBandKind> kind = kindOf(piece[0]);
        const bool flagsOk =
            (piece[1] == 'B' || piece[1] == '-') && (piece[2] == 'V' || piece[2] == '-');
        const bool digitsOk = std::all_of(piece.begin() + 3, piece.end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
        if (!kind || !flagsOk || !digitsOk || has(bands, *kind))
            continue;
        int width = 0;
        for (const char c : piece.substr(3))
            width = width * 10 + (c - '0');
        bands.push_back({*kind, piece[1] == 'B', piece[2] == 'V', width});
    }
    if (bands.empty())
        return DefaultEditorLayout();
    for (const EditorBandKind kind : kAllBands)
        if (!has(bands, kind))
            bands.push_back({kind, true, true, 0});
    return bands;
}

std::optional<std::string> FormatEditorLayout(const EditorBands& bands) {
    std::string text;
    for (const EditorBand& band : bands) {
        const std::optional<char> letter = letterOf(band.kind);
        if (!letter)
            return std::nullopt;
        char width[8];
        std::snprintf(width, sizeof width, "%.5d", std::clamp(band.width, 0, 99999));
        text += *letter;
        text += band.breakBefore ? 'B' : '-';
        text += band.visible ? 'V' : '-';
        text += width;
    }
    return text;
}

bool SetBandVisible(EditorBands& bands, EditorBandKind kind, bool visible) {
    const auto it = std::find_if(bands.begin(), bands.end(),
                                 [kind](const EditorBand& b) { return b.kind == kind; });
    if (it == bands.end())
        return false;
    it->visible = visible;
    if (visible)
        it->breakBefore = true;
    else if (it + 1 != bands.end())
        (it + 1)->breakBefore = true;
    return true;
}

const char* EditorBandCaption(EditorBandKind kind) {
    switch (kind) {
    case EditorBandKind::Font:
        return "Font";
    case EditorBandKind::Actions:
        return "Actions";
    case EditorBandKind::Find:
        return "Find";
    case EditorBandKind::Replace:
        return "Replace";
    }
    return "";
}

} // namespace qw
