#pragma once
// What the program tells the toolkit about itself before its windows exist.

namespace qw {

// Names the application "Quirewell". No display name is set: the platform
// would append it to every window caption, and the reader's captions are
// exactly the texts it composes.
void SetUpApplication();

} // namespace qw
