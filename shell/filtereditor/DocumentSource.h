// How an editor's pages find the speaker document: asked at every use, so that a page
// never holds on to a document that has gone.
#pragma once

#include <functional>

class CMorvaneDoc;

// The current speaker document, or null.
using CDocumentSource = std::function<CMorvaneDoc*()>;
