#pragma once

#include <QByteArray>
#include <QString>

namespace tarvand {

// Persian text for DOS programs: the Iran System code page, which stores text in visual order
// (left to right as it is seen) with one byte per letter form instead of one per letter.
//
// Bytes 0x00-0x7F stay ASCII. The Persian half:
//
//   80-89  digits ۰-۹            8A ،   8B ـ (tatweel)   8C ؟   8D آ   8E ئ   8F ء
//   90 ا isolated   91 ا final
//   letters with two forms, isolated/final then initial/medial:
//     92/93 ب  94/95 پ  96/97 ت  98/99 ث  9A/9B ج  9C/9D چ  9E/9F ح  A0/A1 خ
//     A7/A8 س  A9/AA ش  AB/AC ص  AD/AE ض  E9/EA ف  EB/EC ق  ED/EE ک (and ك)  EF/F0 گ
//     F1/F3 ل  F4/F5 م  F6/F7 ن
//   one form only: A2 د  A3 ذ  A4 ر  A5 ز  A6 ژ  AF ط  E0 ظ  F8 و
//   four forms, isolated/final/medial/initial: E1-E4 ع  E5-E8 غ
//   ه: F9 isolated and final, FA medial, FB initial
//   ی (and ي, ى): FC final, FD isolated, FE initial and medial
//   F2 لا (not produced: letters are converted one at a time)   FF no-break space
//   B0-DF box drawing, as in the DOS Latin code page (not produced)
//
// Letters that have no form of their own take the nearest one: أ إ as ا, ؤ as و, ة ہ ھ as ه,
// ٹ as ت, ڈ as د, ڑ as ر, ں as ن, ے as ی. Vowel marks, the joiners and direction marks write
// nothing; other characters outside ASCII become '?'.
class IranSystem {
public:
    // The text's bytes in visual order. The text is converted from its logical start and every
    // converted piece is put in front of the bytes so far; a run of the digits 0-9, "-" and "/"
    // (Persian digits too) is one piece and keeps its own order, so dates and numbers read
    // left to right. Each letter takes the form its neighbours call for; the text's ends, blanks,
    // "(", ")", "?", the zero-width non-joiner and digits do not join. Brackets are mirrored, so
    // that they still open towards their content when the text is reversed.
    static QByteArray Encode(const QString& text);
};

} // namespace tarvand
