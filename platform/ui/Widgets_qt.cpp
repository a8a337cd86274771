// Event handling of the framework's widgets.

#include "platform/ui/Widgets_qt.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/DialogState_qt.h"
#include "platform/ui/PainterDrawingContext_qt.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

DialogClientWidget::DialogClientWidget(DialogState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
    setAutoFillBackground(true);
}

void DialogClientWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    m_state.DispatchPen(event->position().toPoint(), true);
}

void DialogClientWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    m_state.DispatchPen(event->position().toPoint(), false);
}

StaticWidget::StaticWidget(QWidget* parent) : QLabel(parent)
{
    // Statics let taps through to the dialog, as on the handheld, until a program takes them.
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void StaticWidget::SetCustomControl(CCustomControl* control)
{
    m_custom = control;
    setAttribute(Qt::WA_TransparentForMouseEvents, control == nullptr);
    m_eraseNext = true;
    update();
}

void StaticWidget::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    m_eraseNext = true;
}

void StaticWidget::paintEvent(QPaintEvent* event)
{
    if (!m_custom) {
        QLabel::paintEvent(event);
        return;
    }
    // The control paints a canvas of its client size that keeps its pixels between paints, so
    // that a repaint without erasing draws over the last picture, as a device context does.
    QRect area = contentsRect();
    if (area.isEmpty())
        return;
    if (m_canvas.size() != area.size()) {
        m_canvas = QImage(area.size(), QImage::Format_RGB32);
        m_eraseNext = true;
    }
    if (m_eraseNext)
        m_canvas.fill(palette().color(QPalette::Window));
    m_eraseNext = false;
    {
        QPainter canvasPainter(&m_canvas);
        CPainterDrawingContext dc(canvasPainter, m_canvas, font());
        m_custom->OnPaint(dc);
    }
    QPainter painter(this);
    painter.drawImage(area.topLeft(), m_canvas);
    drawFrame(&painter);
}

void StaticWidget::mousePressEvent(QMouseEvent* event)
{
    QPoint pos = event->position().toPoint();
    if (m_custom)
        m_custom->OnPenDown(Point{pos.x() - contentsRect().left(), pos.y() - contentsRect().top()});
    RunPenHooks(this, pos, true);
    event->accept();
}

void StaticWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QPoint pos = event->position().toPoint();
    if (m_custom)
        m_custom->OnPenUp(Point{pos.x() - contentsRect().left(), pos.y() - contentsRect().top()});
    RunPenHooks(this, pos, false);
    event->accept();
}

ListWidget::ListWidget(QWidget* parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTextElideMode(Qt::ElideNone);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_programmatic && onUserSelChange)
            onUserSelChange();
    });
}

void ListWidget::Programmatic(const std::function<void()>& change)
{
    bool was = m_programmatic;
    m_programmatic = true;
    change();
    m_programmatic = was;
}

void ListWidget::SetHorizontalExtent(int width)
{
    m_extent = width < 0 ? 0 : width;
    updateGeometries();
}

void ListWidget::updateGeometries()
{
    // Showing or hiding a scroll bar resizes the viewport, which lays the list out again from
    // inside this call; near the edge of needing a bar that can flip for ever, so a nested
    // layout is left to the outer one.
    if (m_updatingGeometries)
        return;
    m_updatingGeometries = true;
    QListWidget::updateGeometries();
    // Horizontal scrolling covers the extent the program set, not the widest entry.
    int page = viewport()->width();
    horizontalScrollBar()->setPageStep(page);
    horizontalScrollBar()->setRange(0, m_extent > page ? m_extent - page : 0);
    // Qt's as-needed policy judges the bar by the entries' width while the range above comes
    // from the extent; where the two disagree the bar showed and hid again on every layout, and
    // the posted layouts never let the event loop rest. Deciding from the extent alone settles:
    // the bar only turns on when the viewport narrows, which keeps it on.
    if (m_horizontalAllowed) {
        Qt::ScrollBarPolicy wanted = m_extent > page ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        if (horizontalScrollBarPolicy() != wanted)
            setHorizontalScrollBarPolicy(wanted);
    }
    m_updatingGeometries = false;
}

void ListWidget::SetHorizontalScrollAllowed(bool allowed)
{
    m_horizontalAllowed = allowed;
    if (!allowed)
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    updateGeometries();
}

void ListWidget::mousePressEvent(QMouseEvent* event)
{
    QListWidget::mousePressEvent(event);
    RunPenHooks(this, event->position().toPoint(), true);
}

void ListWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QListWidget::mouseReleaseEvent(event);
    RunPenHooks(this, event->position().toPoint(), false);
}

ComboWidget::ComboWidget(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::activated, this, [this](int) {
        if (onUserSelChange)
            onUserSelChange();
    });
}

void ComboWidget::showPopup()
{
    m_dropped = true;
    QComboBox::showPopup();
}

void ComboWidget::hidePopup()
{
    QComboBox::hidePopup();
    if (m_dropped) {
        m_dropped = false;
        if (onCloseUp)
            onCloseUp();
    }
}

void ComboWidget::UserChoose(int index)
{
    if (!isEnabled() || index < 0 || index >= count())
        return;
    if (!m_dropped)
        showPopup();
    setCurrentIndex(index);
    // The order of a tap on an entry of the dropped list: the selection, the list closing,
    // then the choice.
    QPointer<ComboWidget> self(this);
    hidePopup();
    if (self)
        emit activated(index);
}

void ComboWidget::mousePressEvent(QMouseEvent* event)
{
    QComboBox::mousePressEvent(event);
    RunPenHooks(this, event->position().toPoint(), true);
}

void ComboWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QComboBox::mouseReleaseEvent(event);
    RunPenHooks(this, event->position().toPoint(), false);
}
