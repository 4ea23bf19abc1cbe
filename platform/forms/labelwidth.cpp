#include "platform/forms/labelwidth.h"

#include <QLabel>
#include <QScreen>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace platform {

void fitLongestRun(QLabel *label)
{
    // The least width of the form, kept the first time, for a shorter text later.
    static const char *const kFormWidth = "formMinimumWidth";
    QVariant formWidth = label->property(kFormWidth);
    if (!formWidth.isValid()) {
        formWidth = label->minimumWidth();
        label->setProperty(kFormWidth, formWidth);
    }

    const QString text = label->text();
    const QFontMetrics metrics(label->font());
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int widest = 0;
    for (qsizetype start = 0, end = breaks.toNextBoundary(); end != -1; start = end, end = breaks.toNextBoundary())
        widest = std::max(widest, metrics.horizontalAdvance(text.mid(start, end - start).trimmed()));
    const QMargins margins = label->contentsMargins();
    widest += margins.left() + margins.right() + 2 * label->margin() + metrics.averageCharWidth();
    if (const QScreen *screen = label->screen())
        widest = std::min(widest, screen->availableGeometry().width() * 3 / 4);
    label->setMinimumWidth(std::max(formWidth.toInt(), widest));
}

} // namespace platform
