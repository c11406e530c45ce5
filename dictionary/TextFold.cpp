#include "dictionary/TextFold.h"

#include "framework/CodePage.h"
#include "framework/WideText.h"

dictionary::CaseFold TextCaseFold() {
    dictionary::CaseFold fold;
    for (int b = 0; b < 256; ++b) {
        fold.lead[b] = false;  // one byte a character
        fold.upper[b] = UpperByte(static_cast<unsigned char>(b));
    }
    return fold;
}

dictionary::CaseFold TextPlainFold() {
    dictionary::CaseFold fold = TextCaseFold();
    for (unsigned char& byte : fold.upper)
        byte = codepage::PlainLetter(byte);
    return fold;
}
