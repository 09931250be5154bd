#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace velmora {

// The user guide in a window of its own: the German HTML shipped beside the program in
// "hilfe/", with links inside the guide and pictures working, web links opened in the
// browser. Escape closes it. A missing guide is said in the window instead.
class HelpWindow : public QWidget {
public:
    // appPath: the program directory, with a trailing "/".
    explicit HelpWindow(const QString& appPath, QWidget* parent = nullptr);

    // Shows the window in front, at the section named by anchor when given.
    void showGuide(const QString& anchor = QString());

    QTextBrowser* browser() const { return browser_; }

    // The guide's file below the program directory.
    static QString guidePath(const QString& appPath);

private:
    QTextBrowser* browser_;
};

}  // namespace velmora
