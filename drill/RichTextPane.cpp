#include "RichTextPane.h"

#include "Rtf.h"
#include "SafeFile.h"
#include "VirtualKeys.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace
{

// Characters composed from dead keys (´ ¨ ` then a vowel) report the code of the accent key.
constexpr int ComposedCharacterKey = 222;

// A key yields a character when it types something: printable text, a tab or the Enter's CR.
// Control combinations (Ctrl+C, Ctrl+V ...) yield none and so never reach the drill.
bool yieldsCharacter(const QKeyEvent &event)
{
    if (event.text().isEmpty()) {
        return false;
    }
    if ((event.modifiers() & Qt::ControlModifier) && !(event.modifiers() & Qt::AltModifier)) {
        return false;
    }
    const QChar first = event.text().front();
    return first.isPrint() || first == QLatin1Char('\t') || first == QLatin1Char('\r');
}

QString withDocumentLineBreaks(const QString &text)
{
    QString converted = text;
    converted.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    converted.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return converted;
}

} // namespace

RichTextPane::RichTextPane(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    setAcceptDrops(false);
    // Tab and Shift+Tab move on to the next control: no exercise holds a tab, and a learner who
    // works without the mouse must be able to leave the pane.
    setTabChangesFocus(true);
    // Typing is being taught: no guessing, no automatic capitals, no editing handles.
    setInputMethodHints(
        Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase | Qt::ImhNoEditMenu | Qt::ImhNoTextHandles | Qt::ImhMultiLine);
    document()->setDefaultFont(QFont(QStringLiteral("Arial"), 12));
    work = QTextCursor(document());
    // A caret the learner moves becomes the working selection. A hidden pane's caret only follows
    // the edits from where it was last shown, and tells nothing.
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
        if (!showingSelection && !keptHidden) {
            work = textCursor();
        }
    });
}

RichTextPane::Batch::Batch(RichTextPane &pane)
    : pane(pane)
{
    if (pane.batchDepth++ == 0) {
        pane.work.beginEditBlock();
    }
}

RichTextPane::Batch::~Batch()
{
    if (--pane.batchDepth > 0) {
        return;
    }
    pane.applySelectionFormat();
    pane.work.endEditBlock();
    for (const int target : std::as_const(pane.scrollTargets)) {
        pane.scrollToShow(target);
    }
    pane.scrollTargets.clear();
    pane.showSelection();
}

void RichTextPane::showSelection()
{
    if (batchDepth > 0) {
        return;
    }
    // A hidden pane (the history while the learner types) shows its selection when it is shown:
    // handing the widget its cursor costs a key some microseconds for nothing on the screen.
    if (keptHidden) {
        selectionShownLater = true;
        return;
    }
    showingSelection = true;
    setTextCursor(work);
    showingSelection = false;
}

void RichTextPane::setVisible(bool visible)
{
    keptHidden = !visible;
    QPlainTextEdit::setVisible(visible);
}

void RichTextPane::showEvent(QShowEvent *event)
{
    QPlainTextEdit::showEvent(event);
    if (std::exchange(selectionShownLater, false)) {
        if (const int target = std::exchange(scrollTargetLater, -1); target >= 0) {
            scrollToShow(target);
        }
        showSelection();
    }
}

void RichTextPane::scrollToShow(int documentPosition)
{
    if (keptHidden) {
        scrollTargetLater = documentPosition;
        return;
    }
    // The widget scrolls only for a line that does not show whole; most keys ask for one that does,
    // often in a paragraph that runs on below the pane, and handing the widget a cursor costs a key
    // some microseconds.
    const QTextBlock block = document()->findBlock(documentPosition);
    const QRectF place = blockBoundingGeometry(block).translated(contentOffset());
    const QTextLine line = block.layout()->lineForTextPosition(documentPosition - block.position());
    if (line.isValid()) {
        const QRectF lineArea = line.naturalTextRect().translated(place.topLeft());
        if (lineArea.top() >= 0 && lineArea.bottom() < viewport()->height()) {
            return;
        }
    }
    QTextCursor probe(document());
    probe.setPosition(documentPosition);
    showingSelection = true;
    setTextCursor(probe);
    showingSelection = false;
}

QString RichTextPane::text() const
{
    QString raw = document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1String("\r\n"));
    raw.replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return raw;
}

void RichTextPane::setText(const QString &text)
{
    document()->setPlainText(withDocumentLineBreaks(text));
    keepShapedText();
    work = QTextCursor(document());
    showSelection();
    pendingFormatAt = -1;
}

int RichTextPane::length() const
{
    return document()->characterCount() - 1 + document()->blockCount() - 1;
}

void RichTextPane::showCharacterNow(int position)
{
    const int at = toDocument(position);
    const QTextBlock block = document()->findBlock(at);
    const QTextLayout *layout = block.layout();
    const QTextLine line = layout != nullptr ? layout->lineForTextPosition(at - block.position()) : QTextLine();
    if (!line.isValid() || !isVisible()) {
        return;
    }
    const QPointF origin = blockBoundingGeometry(block).translated(contentOffset()).topLeft();
    const qreal left = line.cursorToX(at - block.position());
    const qreal right = line.cursorToX(at - block.position() + 1);
    // A bold or slanted glyph may reach a little past its advance on either side.
    const QRectF glyph(
        origin.x() + std::min(left, right), origin.y() + line.y(), std::abs(right - left), line.height());
    const int overhang = fontMetrics().averageCharWidth();
    viewport()->repaint(glyph.toAlignedRect().adjusted(-overhang, 0, overhang, 0) & viewport()->rect());
}

int RichTextPane::toDocument(int panePosition) const
{
    const QTextDocument *doc = document();
    const int pane = std::clamp(panePosition, 0, length());
    // Block n starts at pane position (document position + n): each earlier line break is one
    // character longer in the pane. Writes go to the end far more often than anywhere else, so
    // the last block is tried before the binary search.
    auto paneStartOf = [doc](int blockNumber) {
        return doc->findBlockByNumber(blockNumber).position() + blockNumber;
    };
    int low = 0;
    int high = doc->blockCount() - 1;
    if (paneStartOf(high) <= pane) {
        low = high;
    }
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (paneStartOf(middle) <= pane) {
            low = middle;
        } else {
            high = middle - 1;
        }
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int offset = pane - paneStartOf(low);
    const int textLength = block.length() - 1;
    // A position on the LF of a line break lands after the break.
    return block.position() + std::min(offset, textLength + 1);
}

int RichTextPane::toPane(int documentPosition) const
{
    return documentPosition + document()->findBlock(documentPosition).blockNumber();
}

int RichTextPane::selStart() const
{
    return toPane(work.selectionStart());
}

int RichTextPane::selLength() const
{
    return toPane(work.selectionEnd()) - toPane(work.selectionStart());
}

void RichTextPane::applySelectionFormat()
{
    if (!selectionFormat.isEmpty()) {
        work.mergeCharFormat(selectionFormat);
        selectionFormat = QTextCharFormat();
    }
}

void RichTextPane::moveCaret(int documentAnchor, int documentPosition)
{
    applySelectionFormat();
    work.setPosition(documentAnchor);
    work.setPosition(documentPosition, QTextCursor::KeepAnchor);
    showSelection();
}

void RichTextPane::setSelStart(int position)
{
    const int target = toDocument(position);
    moveCaret(target, target);
    if (batchDepth > 0) {
        scrollTargets.append(target);
    }
}

void RichTextPane::setSelLength(int length)
{
    const int start = selStart();
    moveCaret(toDocument(start), toDocument(start + std::max(length, 0)));
}

void RichTextPane::mergeFormat(const QTextCharFormat &format)
{
    if (work.hasSelection() && batchDepth > 0) {
        // Within a batch the formats for one selection are merged into it in one pass, when the
        // selection moves or the batch ends.
        selectionFormat.merge(format);
        return;
    }
    if (work.hasSelection()) {
        work.mergeCharFormat(format);
        return;
    }
    if (pendingFormatAt != work.position()) {
        pendingFormat = QTextCharFormat();
        pendingFormatAt = work.position();
    }
    pendingFormat.merge(format);
}

void RichTextPane::setSelColor(const QColor &colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    mergeFormat(format);
}

void RichTextPane::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeFormat(format);
}

void RichTextPane::setSelBackColor(const QColor &colour)
{
    QTextCharFormat format;
    format.setBackground(colour.isValid() ? QBrush(colour) : QBrush(Qt::NoBrush));
    mergeFormat(format);
}

void RichTextPane::setSelFontSize(qreal pointSize)
{
    QTextCharFormat format;
    format.setFontPointSize(pointSize);
    mergeFormat(format);
}

void RichTextPane::replaceSelection(const QString &text)
{
    applySelectionFormat();
    QTextCharFormat format;
    if (work.hasSelection()) {
        // The replacement takes the format of the first selected character.
        QTextCursor first(document());
        first.setPosition(work.selectionStart() + 1);
        format = first.charFormat();
    } else {
        format = work.charFormat();
        if (pendingFormatAt == work.position()) {
            format.merge(pendingFormat);
        }
    }
    work.insertText(withDocumentLineBreaks(text), format);
    showSelection();
    pendingFormatAt = -1;
}

bool RichTextPane::loadFile(const QString &path)
{
    bool ok = false;
    const QByteArray content = SafeFile::read(path, &ok, Rtf::MaxFileSize);
    if (!ok) {
        return false;
    }
    Rtf::read(content, *document());
    contentReplaced();
    return true;
}

void RichTextPane::appendRtf(const QByteArray &rtf)
{
    Rtf::append(rtf, *document());
    contentReplaced();
}

void RichTextPane::contentReplaced()
{
    keepShapedText();
    work = QTextCursor(document());
    showSelection();
    pendingFormatAt = -1;
}

QByteArray RichTextPane::rtf(int from) const
{
    return Rtf::write(*document(), toDocument(from));
}

bool RichTextPane::saveFile(const QString &path) const
{
    return SafeFile::write(path, rtf());
}

void RichTextPane::setShapedTextKept(bool kept)
{
    shapedTextKept = kept;
    keepShapedText();
}

void RichTextPane::keepShapedText()
{
    if (!shapedTextKept) {
        return;
    }
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(true);
    }
}

void RichTextPane::setInputEnabled(bool enabled)
{
    inputOn = enabled;
    // A screen reader then says the locked pane is read-only; the keys stay ours either way.
    setReadOnly(!enabled);
}

bool RichTextPane::inputEnabled() const
{
    return inputOn;
}

void RichTextPane::overtype(QChar character)
{
    applySelectionFormat();
    if (work.selectionEnd() - work.selectionStart() == 1
        && document()->characterAt(work.selectionStart()) == character) {
        // Overtyping a character with itself changes nothing but the caret.
        work.clearSelection();
        showSelection();
        return;
    }
    replaceSelection(QString(character));
}

void RichTextPane::deliverCharacter(QChar character)
{
    Q_EMIT keyPress(character);
    if (character.isNull() || !inputOn) {
        return;
    }
    overtype(character);
}

void RichTextPane::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (!inputOn) {
        return;
    }
    int keyCode = VirtualKeys::codeOf(event->key());
    Q_EMIT keyDown(keyCode, event->modifiers());
    if (keyCode == 0 || !inputOn) {
        return;
    }
    if (yieldsCharacter(*event)) {
        for (const QChar character : event->text()) {
            deliverCharacter(character);
        }
    } else if (VirtualKeys::movesCaret(event->key())) {
        QPlainTextEdit::keyPressEvent(event);
    }
}

void RichTextPane::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
    for (const QChar character : event->commitString()) {
        if (!inputOn) {
            return;
        }
        int keyCode = ComposedCharacterKey;
        Q_EMIT keyDown(keyCode, Qt::NoModifier);
        if (keyCode != 0 && inputOn) {
            deliverCharacter(character);
        }
    }
}

bool RichTextPane::event(QEvent *event)
{
    // The drawn keyboard under the pane is the one to look at: a click must not raise the
    // desktop's on-screen keyboard over it. Dead keys still compose through the input method.
    if (event->type() == QEvent::RequestSoftwareInputPanel) {
        event->accept();
        return true;
    }
    return QPlainTextEdit::event(event);
}

bool RichTextPane::canInsertFromMimeData(const QMimeData *) const
{
    return false;
}

void RichTextPane::insertFromMimeData(const QMimeData *)
{
}

void RichTextPane::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

void RichTextPane::mousePressEvent(QMouseEvent *event)
{
    // A press inside a selection would start dragging the text out of the pane.
    if (textCursor().hasSelection()) {
        work.clearSelection();
        showSelection();
    }
    QPlainTextEdit::mousePressEvent(event);
}

void RichTextPane::dragEnterEvent(QDragEnterEvent *event)
{
    event->ignore();
}

void RichTextPane::dropEvent(QDropEvent *event)
{
    event->ignore();
}
