#pragma once

// The two forms every generator produces: the design form that the design view
// loads, and the export form that export and preview write.
enum class PageForm { Design, Export };
