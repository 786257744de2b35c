#pragma once
#include <QString>

// A text folded for comparison: lower case, accents and other marks
// dropped, letters and digits kept, any run of anything else one space
// between words ("¿Quién halló a NOÉ?" -> "quien hallo a noe"). The checks'
// likenesses, the editor's search and its hints on a phrase or a book's name
// written otherwise all compare texts folded so.
QString plegar(const QString& texto);
