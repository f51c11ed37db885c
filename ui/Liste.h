#pragma once

#include "basis/Sortierung.h"

#include <QAbstractListModel>
#include <QColor>
#include <QFont>
#include <QList>
#include <QObject>
#include <QStringList>
#include <vector>

class QListView;
class QWidget;
class Liste;

/// Shows the entries of a Liste in a list view.
class ListenModell : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit ListenModell(Liste *liste);
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    friend class Liste;
    Liste *m_liste;
};

/// A list box: a container of text entries, addressed by 0-based index,
/// optionally kept sorted (see Sortierung), with a selection and, for a
/// visible list, a list view.
///
/// A hidden list has no widget at all, so a list of a million words costs a
/// sort and no widget insertions. Adding many entries at once appends and
/// sorts once with a stable sort, which gives the order that adding them one
/// by one would give.
class Liste : public QObject
{
    Q_OBJECT
public:
    /// `parent` is the window or panel the view sits in. With `sichtbar` false
    /// the list never gets a view.
    Liste(QWidget *parent, const QString &name, bool sortiert = true, bool sichtbar = true);
    ~Liste() override;

    void AddItem(const QString &text);
    void addItems(const QStringList &texte);
    /// Replaces every entry at once (Clear and addItems in one step).
    void setEintraege(const QStringList &texte);
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return static_cast<int>(m_eintraege.size()); }
    QString List(int index) const;
    QStringList eintraege() const;

    /// The selected entry, -1 for none. Setting it to an entry (by the
    /// program or by the user) raises Click, as a click on the entry would.
    int ListIndex() const { return m_index; }
    void setListIndex(int index);
    /// The text of the selected entry (empty when none).
    QString Text() const;

    /// Multiple selection in simple mode: every click toggles the clicked entry.
    void setMehrfachauswahl(bool an);
    bool Selected(int index) const;
    void setSelected(int index, bool an);
    int SelCount() const;

    /// Multi-column lists fill their columns top to bottom.
    void setSpalten(int spalten);

    QListView *view() const { return m_view; }
    void setVisible(bool sichtbar);
    bool isVisible() const;
    void setFocus();

    void setTwips(int links, int oben, int breite, int hoehe);
    void setHoehe(int hoehe);
    int hoehe() const;
    QString FontName() const { return m_fontName; }
    void setFontName(const QString &name);
    double FontSize() const { return m_schrift.pointSizeF(); }
    void setFontSize(double punkte);
    bool FontBold() const { return m_schrift.bold(); }
    void setFontBold(bool fett);
    void setFarben(const QColor &vorne, const QColor &hinten);
    /// An entry too wide for the list is drawn in a smaller font, so that it
    /// is never cut.
    void setEinpassen(bool an);

Q_SIGNALS:
    void Click();

private:
    void hinzufuegen(const QStringList &texte, bool vorherLeeren);
    void ansichtAbgleichen();
    void schriftSetzen();
    void geklickt(int zeile);
    QVariant eintragSchrift(const QString &text) const;
    friend class ListenModell;

    struct Eintrag
    {
        QString text;
        Sortierung::Praefix praefix;
        bool gewaehlt = false;
    };
    static bool kleiner(const Eintrag &a, const Eintrag &b);
    std::vector<Eintrag> m_eintraege;
    bool m_sortiert;
    bool m_mehrfach = false;
    int m_index = -1;
    int m_spalten = 1;
    bool m_sichtbar = true;
    QString m_fontName;
    QFont m_schrift;
    ListenModell *m_modell = nullptr;
    QListView *m_view = nullptr;
    bool m_abgleich = false;
    bool m_einpassen = false;
};
