#pragma once
// Stands in for the real session header in the layout check's own test.
