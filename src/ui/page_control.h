// SPDX-License-Identifier: GPL-3.0-or-later
// The tab control of the main window: a tab bar over a stack of pages. It lays its pages out at
// once when it is resized, also while hidden, so that the window's resize handling can read the
// page size right after setting the control's size. Pages can be hidden with their tabs.
#pragma once

#include <QWidget>
#include <vector>

class QTabBar;

namespace ab {

class PageControl : public QWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);

    QWidget* addPage(const char* objectName);
    void setTabText(QWidget* page, const QString& text);
    QString tabText(QWidget* page) const;
    void setPageVisible(QWidget* page, bool visible);
    bool pageVisible(QWidget* page) const;
    QWidget* activePage() const;
    // Makes a page active from the program: the page shows (pageShown) but no change is reported.
    void setActivePage(QWidget* page);
    void setSize(int width, int height); // resizes and lays the pages out at once
    QSize pageSize() const;
    QTabBar* tabBar() const { return bar; }

signals:
    void pageShown(QWidget* page); // a page became the active one, by the user or the program
    void changed();                // the user chose another page

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void layoutPages();
    void showCurrent();
    int indexOf(QWidget* page) const;

    QTabBar* bar;
    std::vector<QWidget*> pages;
    QWidget* shown = nullptr;
    bool programmatic = false;
};

} // namespace ab
