#pragma once
// Where a browse window stands: the current row of its list, named as the user sees it, and a
// way to stand on a row again. Each browse window declares one; the frame's history, its window
// list and the search reach a window's rows only through it.

#include "panes/NavigationHost.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class Dataset;
class QWidget;

/// A row of a window, by the texts of its key fields (one field for most lists; the recipe list
/// needs item and rate).
using PlaceKey = QStringList;

class WindowPlace : public QObject {
    Q_OBJECT
public:
    /// Declares the form's place over its list: the fields that tell rows apart and the field
    /// the user knows a row by. The place belongs to the form and reads the list through a
    /// QPointer, so it is harmless once the list is gone.
    WindowPlace(QWidget& form, WindowKind kind, Dataset& list, QStringList keyFields, QString nameField);

    /// The place a form declared, or nullptr.
    static WindowPlace* of(const QWidget* form);

    WindowKind kind() const { return m_kind; }
    /// The current row's key; empty when the list has no current row.
    PlaceKey key() const;
    /// The current row's name; empty when there is none.
    QString name() const;
    /// Makes the row with this key current. When no visible row has it, the window may show
    /// more rows (setWidening) and the key is looked for again. Returns false, moving nothing
    /// but the widening, when no row has it.
    bool show(const PlaceKey& key);

    /// How the window shows more rows when a key is not among those it shows (the monsters
    /// window goes to its "All" band); returns whether it showed more.
    void setWidening(std::function<bool()> widen) { m_widen = std::move(widen); }

    /// Runs a move the user asked for as a jump inside the window (not a step through the list):
    /// when it changes the row, the row left is told through jumpedFrom.
    void jump(const std::function<void()>& move);

    /// For a window whose rows are not one list's (the skills window picks a class first):
    /// its own reading of the key and name and its own way to show a key.
    struct Custom {
        std::function<PlaceKey()> key;
        std::function<QString()> name;
        std::function<bool(const PlaceKey&)> show;
    };
    WindowPlace(QWidget& form, WindowKind kind, Custom custom);

    /// Tells the place that what the window shows has changed (a custom place calls it).
    void noteMoved() { emit moved(); }

signals:
    /// The current row changed.
    void moved();
    /// A jump inside the window left this row (the frame's history keeps it).
    void jumpedFrom(const PlaceKey& key);

private:
    bool showInList(const PlaceKey& key);

    WindowKind m_kind;
    QPointer<Dataset> m_list;
    QStringList m_keyFields;
    QString m_nameField;
    Custom m_custom;
    std::function<bool()> m_widen;
};

/// What a window shows, as the frame lists it: its caption and, when it stands on a row, the
/// row's name ("Monsters — Ice Bear").
QString placeTitle(const QWidget& form);

/// Opens a new window of this kind through the host and makes the row with this key current
/// there. Returns whether the row was found (false also when no window was made).
bool openPlace(NavigationHost& host, WindowKind kind, const PlaceKey& key);
