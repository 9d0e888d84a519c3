#pragma once
// What the parts of the reader window share: the window itself, the one open
// book with its pages, the configuration of this run and the dialogs. Each
// part (records, contents, layout, options, ...) owns its own state beside it;
// the window composes the parts and carries requests between them.

class QWidget;

namespace qw {

struct Book;
class Configuration;
class Dialogs;
class PageArea;

struct ReaderContext {
    QWidget& window;
    Dialogs& dialogs;
    Configuration& config;
    bool configLoaded; // false when the configuration load ended the program
    Book& book;
    PageArea& pages;
};

} // namespace qw
