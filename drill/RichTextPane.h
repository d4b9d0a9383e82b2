#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <QTextCursor>

// One of the two text panes of the typing window. It offers the drill exactly what it needs of a
// rich-text pane: the text with CR LF line breaks, and positions in which a line break counts as
// two characters, as it does in the exercise texts, so the drill's arithmetic can follow the
// text. Inside, positions are converted to the document's own in O(log n).
//
// Keys come out as two events: keyDown with a Windows virtual-key code (a handler consumes the
// key by setting it to 0), then keyPress for a key that yields a character (a handler consumes
// it by setting it to a null QChar); a character left standing overtypes the selection in the
// selection's own format. Composed characters from dead keys arrive through the input method and
// take the same road. Paste, drop, cut, undo and the context menu never edit the pane.
//
// It is a plain-text editor widget holding a document with character formats: its layout works
// block by block, so colouring one character or adding one to a history of 50,000 lines costs
// the same as in an empty pane, where the rich-text widget lays out the whole flow again.
class RichTextPane : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit RichTextPane(QWidget *parent = nullptr);

    // The whole text, line breaks as CR LF. Setting it drops all formatting.
    QString text() const;
    void setText(const QString &text);
    // Length of the text in pane positions (a line break counts two).
    int length() const;

    int selStart() const;
    // Past the end puts the caret at the end; the caret is scrolled into view.
    void setSelStart(int position);
    int selLength() const;
    void setSelLength(int length);

    // With a selection these format it; without one, they format what is inserted next.
    void setSelColor(const QColor &colour);
    void setSelBold(bool bold);
    // The ground behind the characters; an invalid colour leaves the pane's own showing.
    void setSelBackColor(const QColor &colour);
    void setSelFontSize(qreal pointSize);
    // Replaces the selection (or inserts at the caret); CR LF, CR or LF each become a line break.
    void replaceSelection(const QString &text);
    // What a typed character left standing does: it overtypes the selection in the selection's own
    // format; over a single character like itself it only moves the caret past it.
    void overtype(QChar character);
    // Paints the character at position and puts it on the screen at once, ahead of the rest of
    // the window's repaint after a key: the judged character is what the learner waits to see.
    // Outside a batch, once the character stands in the pane.
    void showCharacterNow(int position);
    // The exercise pane repaints the typed line on every key: with its lines' shaped glyphs kept,
    // the paint draws what the layout has just shaped instead of shaping the line once more.
    // Meant for a pane of a few lines; a history of thousands would keep them all.
    void setShapedTextKept(bool kept);

    // Replaces the content by the RTF (or plain text) file; false, leaving the content as it was,
    // when it cannot be read or is larger than Rtf::MaxFileSize.
    bool loadFile(const QString &path);
    // Writes the whole content as one RTF document; false when it could not be saved whole.
    bool saveFile(const QString &path) const;
    // The RTF (or plain text) after the content, as a history kept in pieces comes back.
    void appendRtf(const QByteArray &rtf);
    // The content from pane position from on, as one RTF document.
    QByteArray rtf(int from = 0) const;

    // Groups the changes made while it lives into one: the pane lays its text out and scrolls
    // once, at the end, instead of after every step. The changes of one key go into one batch.
    class Batch
    {
    public:
        explicit Batch(RichTextPane &pane);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        RichTextPane &pane;
    };

    // While off, the pane takes no keyboard input and raises no key events.
    void setInputEnabled(bool enabled);
    bool inputEnabled() const;

    // Notes whether the pane is hidden on purpose, as the history is while the learner types.
    void setVisible(bool visible) override;

Q_SIGNALS:
    void keyDown(int &keyCode, Qt::KeyboardModifiers modifiers);
    void keyPress(QChar &character);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int toDocument(int panePosition) const;
    // After a load: the caret at the start, nothing pending.
    void contentReplaced();
    int toPane(int documentPosition) const;
    void moveCaret(int documentAnchor, int documentPosition);
    void applySelectionFormat();
    // Shows the working selection as the widget's own, unless a batch is open.
    void showSelection();
    void scrollToShow(int documentPosition);
    void mergeFormat(const QTextCharFormat &format);
    void deliverCharacter(QChar character);
    void keepShapedText();

    bool inputOn = true;
    // Hidden on purpose (the history while the learner types), not merely not shown yet.
    bool keptHidden = false;
    bool shapedTextKept = false;
    // The selection the pane's operations work on. The widget's own cursor follows it, at the end
    // of a batch; a caret the learner moves with the mouse or the arrows becomes it.
    QTextCursor work;
    bool showingSelection = false;
    int batchDepth = 0;
    // Formats asked for the selection within a batch, not applied yet.
    QTextCharFormat selectionFormat;
    // Places a batch asked to scroll into view, shown when it ends.
    QList<int> scrollTargets;
    // What a hidden pane shows once it is shown again: its selection (a batch always ends by asking
    // for it), and the last place it was asked to scroll into view (-1 for none).
    bool selectionShownLater = false;
    int scrollTargetLater = -1;
    // What is inserted next at a bare caret, as set by the formatting calls; it is forgotten as
    // soon as the caret moves elsewhere, like the insertion format of a classic rich-edit box.
    QTextCharFormat pendingFormat;
    int pendingFormatAt = -1;
};
