#pragma once
#include <functional>
#include <string>

#include "core/generation/PageForm.h"

class CTsObject;

// Renders an object as markup; a page renders its whole document.
//  socketPass:    the object is rendered inside its socket owner's template;
//  page:          the page being rendered (a page sets it to itself);
//  noWrapper:     leave out the object's own div (passed on to children);
//  fullWidthPass: the page's second pass over its direct children, which renders
//                 the objects whose width is "fullpagewidth".
std::string Render(CTsObject& object, PageForm form, bool socketPass, CTsObject* page, bool noWrapper,
                   bool fullWidthPass);
// A page's whole document: Render(page, form, false, none, false, false).
std::string RenderPage(CTsObject& page, PageForm form);

// Clears the socket links of an object and its descendants.
void UnlinkSockets(CTsObject& object);
// Links every object named by a "Socket" property (or a "Socket" field of a data
// property's records) of the page's objects to its owner.
void LinkSockets(CTsObject& page);

// Where the design form's <base> points: the folder of the document's site file
// (or of the template it came from, or the program directory); tools may install
// their own. Without one the active document's
// directory is used; with no document open (or when the accessor gives false) the
// design form carries no <base>.
using DocumentDirectoryAccessor = std::function<bool(std::string& directory)>;
void SetDocumentDirectoryAccessor(DocumentDirectoryAccessor accessor);

// The product's address in the generator meta element.
extern const char* const kGeneratorDomain;
