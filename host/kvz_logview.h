// The log pane's read-only view. It lays out only the paragraphs in sight,
// one line each, so a full log of 100,000 paragraphs costs no more to add
// to than an empty one. Text can be selected with the mouse and copied.
#ifndef KVZ_LOGVIEW_H
#define KVZ_LOGVIEW_H

#include "kvz_logstore.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QString>

class QTextLayout;

class KvzLogView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    // The view is brought up to date at most this often.
    enum { RefreshMs = 40 };

    explicit KvzLogView(QWidget* parent = nullptr);

    // The view keeps this many paragraphs at most, dropping the oldest.
    void setMaximumParagraphCount(int count);
    int maximumParagraphCount() const { return store.maxCount(); }

    void appendText(const QString& text);
    void appendLine(const QString& text);
    void appendHexDump(const unsigned char* bytes, int count, int perLine);
    int paragraphCount() const { return store.count(); }

    Q_INVOKABLE QString toPlainText() const { return store.toPlainText(); }
    Q_INVOKABLE QString toHtml() const { return store.toHtml(); }
    bool hasSelection() const;
    QString selectedText() const;
    // The paragraph shown at the top of the view.
    qint64 topSerial() const;

public slots:
    void clear();
    void copy();
    void selectAll();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    struct Position {
        qint64 serial = -1;
        int column = 0;
    };

    void contentChanged();
    void refresh(bool toEnd);
    int lineHeight() const;
    int visibleLines() const;
    void layOut(QTextLayout& layout, const KvzLogStore::Line& line) const;
    // The place between two characters nearest to the point, or with
    // onCharacter the character under it.
    Position positionAt(const QPoint& point, bool onCharacter = false) const;
    bool selectionBounds(Position& start, Position& end) const;

    KvzLogStore store;
    QBasicTimer refreshTimer;
    qint64 top = 0;             // serial of the top paragraph
    int shownLines = 1;         // whole lines in sight at the last refresh
    bool dragging = false;      // a selection is being made with the mouse
    int widest = 0;             // widest paragraph laid out so far, pixels
    Position anchor;
    Position cursor;
};

#endif // KVZ_LOGVIEW_H
