#pragma once

#include <emscripten/val.h>

#include <stdexcept>
#include <string>

// The page's elements, as the front end reaches them. The controls carry their design names:
// the main window's as element ids, a name window's as `name` attributes inside it.
namespace page {

using emscripten::val;

val Document();
val ById(const std::string& id);
// The control of a window (`form`) with the design name `name`.
val Named(const val& form, const std::string& name);

void SetText(val element, const std::string& text);
std::string Text(const val& element);
void SetHidden(val element, bool hidden);
bool Hidden(const val& element);

// Gives `element` the keyboard focus without scrolling the page to it: a window's focus
// moves no window.
void Focus(val element);

// The size of the viewport, in CSS pixels.
int ViewportWidth();
int ViewportHeight();

}  // namespace page
