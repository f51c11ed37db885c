#include "ui/Liste.h"

#include "ui/Twips.h"

#include <QApplication>
#include <QFocusEvent>
#include <QListView>
#include <QMouseEvent>
#include <QPalette>
#include <QStyledItemDelegate>
#include <algorithm>
#include <functional>

// ---------------------------------------------------------------- ListenModell

ListenModell::ListenModell(Liste *liste)
    : QAbstractListModel(liste), m_liste(liste)
{
}

int ListenModell::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_liste->ListCount();
}

QVariant ListenModell::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const auto &e = m_liste->m_eintraege[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole: return e.text;
    case Qt::BackgroundRole:
        if (m_liste->m_mehrfach && e.gewaehlt)
            return QApplication::palette().color(QPalette::Highlight);
        return {};
    case Qt::FontRole: return m_liste->eintragSchrift(e.text);
    case Qt::ForegroundRole:
        if (m_liste->m_mehrfach && e.gewaehlt)
            return QApplication::palette().color(QPalette::HighlightedText);
        return {};
    default: return {};
    }
}

// ---------------------------------------------------------------- Liste

namespace {

/// The view of a visible list. A view that gets the keyboard focus without
/// a current entry (a click in its empty part, the window being activated
/// again) makes its first entry current; that is no choice of the user, so
/// the list runs the focus change through `fokus`, which keeps it from
/// counting as a click.
class Listenansicht : public QListView
{
public:
    using QListView::QListView;
    std::function<void(const std::function<void()> &)> fokus;
    /// Runs when the mouse button is released over the view.
    std::function<void()> losgelassen;

    /// The entries changed. While a button is held that means the press was a
    /// click that moved on to the next task: the rest of this press belongs
    /// to the old entries and must not choose one of the new ones.
    void inhaltGeaendert()
    {
        if (m_gedrueckt)
            m_verworfen = true;
    }

protected:
    void focusInEvent(QFocusEvent *e) override
    {
        if (fokus)
            fokus([this, e] { QListView::focusInEvent(e); });
        else
            QListView::focusInEvent(e);
    }

    void mousePressEvent(QMouseEvent *e) override
    {
        m_gedrueckt = true;
        m_verworfen = false;
        QListView::mousePressEvent(e);
    }

    void mouseMoveEvent(QMouseEvent *e) override
    {
        // A hand that moves a pixel while the button is down would otherwise
        // drag the choice onto the new entry under the pointer.
        if (!m_verworfen)
            QListView::mouseMoveEvent(e);
    }

    void mouseReleaseEvent(QMouseEvent *e) override
    {
        m_gedrueckt = m_verworfen = false;
        QListView::mouseReleaseEvent(e);
        if (losgelassen)
            losgelassen();
    }

private:
    bool m_gedrueckt = false;
    bool m_verworfen = false;
};

/// Draws the entries without the frame that marks the current one: in a
/// list of toggled entries it looks like a half-made choice.
class OhneFokusrahmen : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

} // namespace

Liste::Liste(QWidget *parent, const QString &name, bool sortiert, bool sichtbar)
    : QObject(parent), m_sortiert(sortiert), m_sichtbar(sichtbar)
{
    setObjectName(name);
    if (!sichtbar || !parent)
        return;
    m_modell = new ListenModell(this);
    auto *ansicht = new Listenansicht(parent);
    ansicht->fokus = [this](const std::function<void()> &weiter) {
        const bool vorher = m_abgleich;
        m_abgleich = true;
        weiter();
        m_abgleich = vorher;
        if (!vorher)
            ansichtAbgleichen();
    };
    // When a click refilled the list (the next task in reading mode), the view
    // must not keep marking the row under the pointer or an earlier choice:
    // it shows what the list has selected.
    ansicht->losgelassen = [this] {
        if (!m_abgleich && !m_mehrfach)
            ansichtAbgleichen();
    };
    m_view = ansicht;
    m_view->setObjectName(name);
    m_view->setModel(m_modell);
    const auto geaendert = [ansicht] { ansicht->inhaltGeaendert(); };
    connect(m_modell, &QAbstractItemModel::modelReset, ansicht, geaendert);
    connect(m_modell, &QAbstractItemModel::rowsInserted, ansicht, geaendert);
    connect(m_modell, &QAbstractItemModel::rowsRemoved, ansicht, geaendert);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setUniformItemSizes(true);
    m_schrift = m_view->font();
    m_fontName = m_schrift.family();
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &neu) {
                if (m_abgleich || m_mehrfach || !neu.isValid())
                    return;
                geklickt(neu.row());
            });
    connect(m_view, &QListView::pressed, this, [this](const QModelIndex &i) {
        if (m_abgleich)
            return;
        if (m_mehrfach) {
            if (i.isValid())
                geklickt(i.row());
            return;
        }
        // A press on the entry that is already selected still counts as a click.
        if (i.isValid() && i.row() == m_index && !m_view->property("soebenGewaehlt").toBool())
            geklickt(i.row());
        m_view->setProperty("soebenGewaehlt", false);
        // The view selects the pressed row after the Click has run; show the
        // selection the Click left (it may have removed it or refilled the list).
        ansichtAbgleichen();
    });
}

Liste::~Liste() = default;

bool Liste::kleiner(const Eintrag &a, const Eintrag &b)
{
    if (!(a.praefix == b.praefix))
        return a.praefix < b.praefix;
    return Sortierung::vergleichen(a.text, b.text) < 0;
}

void Liste::AddItem(const QString &text)
{
    Eintrag e{text, m_sortiert ? Sortierung::praefix(text) : Sortierung::Praefix(), false};
    int pos = ListCount();
    if (m_sortiert)
        pos = static_cast<int>(std::upper_bound(m_eintraege.begin(), m_eintraege.end(), e, kleiner) -
                               m_eintraege.begin());
    if (m_modell)
        m_modell->beginInsertRows(QModelIndex(), pos, pos);
    m_eintraege.insert(m_eintraege.begin() + pos, std::move(e));
    if (m_index >= pos)
        ++m_index;
    if (m_modell)
        m_modell->endInsertRows();
    ansichtAbgleichen();
}

void Liste::addItems(const QStringList &texte)
{
    if (!texte.isEmpty())
        hinzufuegen(texte, false);
}

void Liste::setEintraege(const QStringList &texte)
{
    hinzufuegen(texte, true);
}

void Liste::hinzufuegen(const QStringList &texte, bool vorherLeeren)
{
    if (m_modell)
        m_modell->beginResetModel();
    if (vorherLeeren) {
        m_eintraege.clear();
        m_index = -1;
    }
    // The new entries are sorted among themselves (stable), then merged
    // behind equal old ones: the order adding them one by one would give.
    const auto alt = static_cast<std::ptrdiff_t>(m_eintraege.size());
    const bool hatAuswahl = m_sortiert && m_index >= 0 && !m_mehrfach;
    if (hatAuswahl)
        m_eintraege[static_cast<size_t>(m_index)].gewaehlt = true;
    m_eintraege.reserve(m_eintraege.size() + static_cast<size_t>(texte.size()));
    for (const QString &t : texte)
        m_eintraege.push_back(Eintrag{t, m_sortiert ? Sortierung::praefix(t) : Sortierung::Praefix(), false});
    if (m_sortiert) {
        std::stable_sort(m_eintraege.begin() + alt, m_eintraege.end(), kleiner);
        if (alt > 0)
            std::inplace_merge(m_eintraege.begin(), m_eintraege.begin() + alt, m_eintraege.end(), kleiner);
        if (hatAuswahl) {
            const auto gewaehlt = std::find_if(m_eintraege.begin(), m_eintraege.end(), [](const Eintrag &e) { return e.gewaehlt; });
            gewaehlt->gewaehlt = false;
            m_index = static_cast<int>(gewaehlt - m_eintraege.begin());
        }
    }
    if (m_modell)
        m_modell->endResetModel();
    ansichtAbgleichen();
}

void Liste::RemoveItem(int index)
{
    if (index < 0 || index >= ListCount())
        return;
    if (m_modell)
        m_modell->beginRemoveRows(QModelIndex(), index, index);
    m_eintraege.erase(m_eintraege.begin() + index);
    if (m_index == index)
        m_index = -1;
    else if (m_index > index)
        --m_index;
    if (m_modell)
        m_modell->endRemoveRows();
    ansichtAbgleichen();
}

void Liste::Clear()
{
    if (m_modell)
        m_modell->beginResetModel();
    m_eintraege.clear();
    m_index = -1;
    if (m_modell)
        m_modell->endResetModel();
    ansichtAbgleichen();
}

QString Liste::List(int index) const
{
    if (index < 0 || index >= ListCount())
        return QString();
    return m_eintraege[static_cast<size_t>(index)].text;
}

QStringList Liste::eintraege() const
{
    QStringList l;
    l.reserve(ListCount());
    for (const auto &e : m_eintraege)
        l << e.text;
    return l;
}

void Liste::setListIndex(int index)
{
    if (index < -1 || index >= ListCount())
        return;
    m_index = index;
    ansichtAbgleichen();
    if (index >= 0)
        Q_EMIT Click();
}

void Liste::geklickt(int zeile)
{
    // Only the view calls this, and only with one of its rows.
    if (m_mehrfach) {
        auto &e = m_eintraege[static_cast<size_t>(zeile)];
        e.gewaehlt = !e.gewaehlt;
        if (m_modell)
            Q_EMIT m_modell->dataChanged(m_modell->index(zeile), m_modell->index(zeile));
    } else if (m_view) {
        m_view->setProperty("soebenGewaehlt", true);
    }
    m_index = zeile;
    Q_EMIT Click();
}

QString Liste::Text() const
{
    return List(m_index);
}

void Liste::setMehrfachauswahl(bool an)
{
    m_mehrfach = an;
    if (m_view) {
        m_view->setSelectionMode(an ? QAbstractItemView::NoSelection : QAbstractItemView::SingleSelection);
        if (an)
            m_view->setItemDelegate(new OhneFokusrahmen(m_view));
    }
}

bool Liste::Selected(int index) const
{
    if (index < 0 || index >= ListCount())
        return false;
    if (!m_mehrfach)
        return index == m_index;
    return m_eintraege[static_cast<size_t>(index)].gewaehlt;
}

void Liste::setSelected(int index, bool an)
{
    if (index < 0 || index >= ListCount())
        return;
    if (!m_mehrfach) {
        m_index = an ? index : (m_index == index ? -1 : m_index);
        ansichtAbgleichen();
        return;
    }
    m_eintraege[static_cast<size_t>(index)].gewaehlt = an;
    if (m_modell)
        Q_EMIT m_modell->dataChanged(m_modell->index(index), m_modell->index(index));
}

int Liste::SelCount() const
{
    if (!m_mehrfach)
        return m_index >= 0 ? 1 : 0;
    return static_cast<int>(std::count_if(m_eintraege.begin(), m_eintraege.end(),
                                          [](const Eintrag &e) { return e.gewaehlt; }));
}

void Liste::setSpalten(int spalten)
{
    m_spalten = std::max(1, spalten);
    if (!m_view)
        return;
    if (m_spalten > 1) {
        m_view->setFlow(QListView::TopToBottom);
        m_view->setWrapping(true);
        m_view->setResizeMode(QListView::Adjust);
        m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // Short entries in narrow cells: a wide letter is shown, not "...".
        m_view->setTextElideMode(Qt::ElideNone);
    }
    ansichtAbgleichen();
}

void Liste::ansichtAbgleichen()
{
    if (!m_view)
        return;
    m_abgleich = true;
    if (m_spalten > 1) {
        const int zeilen = std::max(1, (ListCount() + m_spalten - 1) / m_spalten);
        // The frame's inner size is known at once, also before the view is
        // shown; the view wraps a column as soon as the next cell would reach
        // its last pixel row, hence the one pixel less.
        const QSize platz = m_view->contentsRect().size();
        m_view->setGridSize(QSize(std::max(1, platz.width() / m_spalten),
                                  std::max(1, (platz.height() - 1) / zeilen)));
    }
    if (!m_mehrfach) {
        if (m_index >= 0) {
            const QModelIndex i = m_modell->index(m_index);
            m_view->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
            m_view->scrollTo(i);
        } else {
            m_view->selectionModel()->clearSelection();
            m_view->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        }
    }
    m_abgleich = false;
}

void Liste::setVisible(bool sichtbar)
{
    m_sichtbar = sichtbar;
    if (m_view)
        m_view->setVisible(sichtbar);
}

bool Liste::isVisible() const
{
    return m_view ? !m_view->isHidden() : false;
}

void Liste::setFocus()
{
    if (m_view)
        m_view->setFocus();
}

void Liste::setTwips(int links, int oben, int breite, int hoehe)
{
    if (m_view) {
        Twips::setzen(m_view, links, oben, breite, hoehe);
        ansichtAbgleichen();
    }
}

void Liste::setHoehe(int h)
{
    if (m_view) {
        Twips::setzeHoehe(m_view, h);
        ansichtAbgleichen();
    }
}

int Liste::hoehe() const
{
    return m_view ? Twips::hoehe(m_view) : 0;
}

void Liste::schriftSetzen()
{
    if (m_view) {
        Twips::setzeSchrift(m_view, m_schrift);
        ansichtAbgleichen();
    }
}

void Liste::setFontName(const QString &name)
{
    m_fontName = name;
    m_schrift.setFamily(name);
    m_schrift.setFamilies({name});
    schriftSetzen();
}

void Liste::setFontSize(double punkte)
{
    m_schrift.setPointSizeF(punkte);
    schriftSetzen();
}

void Liste::setFontBold(bool fett)
{
    m_schrift.setBold(fett);
    schriftSetzen();
}

void Liste::setFarben(const QColor &vorne, const QColor &hinten)
{
    if (!m_view)
        return;
    QPalette pal = m_view->palette();
    if (vorne.isValid())
        pal.setColor(QPalette::Text, vorne);
    if (hinten.isValid())
        pal.setColor(QPalette::Base, hinten);
    m_view->setPalette(pal);
}

void Liste::setEinpassen(bool an)
{
    m_einpassen = an;
    if (m_view)
        m_view->viewport()->update();
}

QVariant Liste::eintragSchrift(const QString &text) const
{
    if (!m_einpassen)  // asked only by the view's model
        return {};
    // An entry wider than the list is drawn smaller, so it is read whole.
    const QFont f = m_view->font();
    const int verfuegbareBreite = m_view->viewport()->width() - 2 * m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 4;
    const int textBreite = QFontMetrics(f).horizontalAdvance(text);
    if (verfuegbareBreite <= 0 || textBreite <= verfuegbareBreite)
        return {};
    QFont klein = f;
    klein.setPointSizeF(f.pointSizeF() * verfuegbareBreite / textBreite);
    for (int i = 0; i < 20 && klein.pointSizeF() > 1.0 && QFontMetrics(klein).horizontalAdvance(text) > verfuegbareBreite; ++i)
        klein.setPointSizeF(klein.pointSizeF() * 0.95);
    return klein;
}
