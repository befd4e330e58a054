#pragma once

// The window and launcher icon: a smiling yellow face, drawn separately for
// each size so the small one stays sharp instead of being a blurred copy.

#include <QImage>

QImage drawIcon32();
QImage drawIcon16();
