// The picture buttons show their drawing on the button face: white parts of
// a picture are transparent.

#include "Unit1.h"
#include "bitbtn.h"
#include "fonts.h"
#include "pictures.h"

#include <QtTest>

class PicturesTest : public QObject {
    Q_OBJECT

    // Every pixel of the picture at `origin` in the grabbed button shows the
    // face where the picture is white and black where it is black.
    static void checkOnFace(platform::BitBtn* button, const QImage& picture, QPoint origin) {
        const QImage shot = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage face = [&] {
            platform::BitBtn blank;
            blank.resize(button->size());
            return blank.grab().toImage().convertToFormat(QImage::Format_RGB32);
        }();
        int black = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QPoint at = origin + QPoint(x, y);
                const QRgb want =
                    picture.pixel(x, y) == qRgb(255, 255, 255) ? face.pixel(at) : qRgb(0, 0, 0);
                black += qGray(want) == 0;
                QCOMPARE(QColor(shot.pixel(at)), QColor(want));
            }
        QVERIFY(black > 0);
    }

private slots:
    void initTestCase() { platform::installFontSubstitutes(); }

    void picturesStandOnTheFaceAtTheirPlace() {
        TForm1 form;
        struct Case {
            platform::BitBtn* button;
            QImage picture;
            QPoint origin;
        } cases[] = {
            {form.LetterButtons[0], letterPicture(core::kLetters[0]), {8, 5}},
            {form.LetterButtons[27], letterPicture(core::kLetters[27]), {8, 3}},
            {form.LetterButtons[17], letterPicture(core::kLetters[17]), {4, 5}},
            {form.BitBtn29, readPicture(), {13, 7}},
        };
        for (const Case& c : cases) {
            QCOMPARE(c.button->pictureOrigin(), c.origin);
            QVERIFY(!c.picture.isNull());
            checkOnFace(c.button, c.picture.convertToFormat(QImage::Format_RGB32), c.origin);
        }
    }

    void pressedPictureMovesOnePixelRight() {
        TForm1 form;
        platform::BitBtn* b = form.LetterButtons[0];
        b->setDown(true);
        QCOMPARE(b->pictureOrigin(), QPoint(9, 5));
        b->setVisualStyles(false);
        QCOMPARE(b->pictureOrigin(), QPoint(9, 6));
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
