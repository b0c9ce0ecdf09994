// Fits a device page's groups to the fonts of the platform it runs on. The
// forms' fixed caption widths, their one-line rows and the width of the
// property dock were laid out for an 8-point font at 96 dots per inch, 11
// pixels high; some platforms' default font is larger (DejaVu Sans at 12
// points, 17 pixels), and there captions and values would be cut off.
// Where the default font is no larger, nothing changes.
#ifndef CMO_FORMFIT_H
#define CMO_FORMFIT_H

class QWidget;

class CMO_FormFit
{
public:
    // Called once a page has built its groups: a font larger than the
    // forms' one is set to the forms' size on the page (its groups take it,
    // captions and titles with their own weight); then every label whose
    // text, by its own font, is wider than the label may be is widened to
    // it; and the page's scroll area keeps as wide as its groups need
    // (CMO_PageWidth), values as they come included.
    static void fitPage(QWidget* page);

    // The font size the forms were laid out for, in pixels.
    static const int FormFontPixels = 11;

private:
    static void fitFont(QWidget* page);
    static void widenLabels(QWidget* page);
};

#endif // CMO_FORMFIT_H
