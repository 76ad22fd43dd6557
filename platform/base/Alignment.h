#pragma once

// How a text is aligned; the values are the framework's ordinals.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
