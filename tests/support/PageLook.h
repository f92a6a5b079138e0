#pragma once
// A look at a widget on a tab page, taken as the user takes one: the pages holding it come to
// the front while the look lasts (a grid fetches rows it was waiting with once it is visible),
// then the pages the window had in front come back.

#include <QTabWidget>
#include <QVector>
#include <QWidget>

#include <utility>

class PageLook {
public:
    explicit PageLook(QWidget& widget) {
        for (QWidget* w = &widget; w->parentWidget(); w = w->parentWidget()) {
            // A tab page's parent is the tab widget's page stack.
            auto* pages = qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget());
            if (pages && pages->indexOf(w) >= 0) {
                m_restore.append({pages, pages->currentIndex()});
                pages->setCurrentWidget(w);
            }
        }
    }
    ~PageLook() {
        for (auto it = m_restore.crbegin(); it != m_restore.crend(); ++it)
            it->first->setCurrentIndex(it->second);
    }
    PageLook(const PageLook&) = delete;
    PageLook& operator=(const PageLook&) = delete;

private:
    QVector<std::pair<QTabWidget*, int>> m_restore;
};
