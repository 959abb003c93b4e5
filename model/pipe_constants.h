#pragma once

// Names for the values a square, a node and a water step can hold. Every value here is
// stored in saved games, so none of them may change.

// What lies on a square (PipeCell::code): one of these, or a piece kind 0..16.
constexpr int CELL_EMPTY = -1;
constexpr int CELL_SOURCE = -2;
constexpr int CELL_DRAIN = -3;

// Water state of one node (PipeNode::fill). Arriving water becomes wet in the square's own
// next FlowStep, so it never survives into a picture.
constexpr int FILL_DRY = 0;
constexpr int FILL_WET = 1;
constexpr int FILL_ARRIVING = 2;

// Node places reserved for the square's four mouths; 4..17 hold the inner slices.
constexpr int PORT_TOP = 0;
constexpr int PORT_BOTTOM = 1;
constexpr int PORT_LEFT = 2;
constexpr int PORT_RIGHT = 3;
constexpr int PORT_COUNT = 4;
constexpr int FIRST_INNER_NODE = 4;
constexpr int NODE_COUNT = 18;
constexpr int LINK_COUNT = 3;
constexpr int FRONT_CAPACITY = 8;
constexpr int NO_LINK = -1;

// Result bits of PipeCell::FlowStep: water stands at port i gives bit (1 << i).
constexpr int WATER_AT_TOP = 1;
constexpr int WATER_AT_BOTTOM = 2;
constexpr int WATER_AT_LEFT = 4;
constexpr int WATER_AT_RIGHT = 8;
constexpr int WATER_MOVED = 0x10;

// Piece kinds. Kinds below PIECE_DEALT_COUNT are dealt; the last three arise only by laying a
// straight or a bend across its partner.
constexpr int PIECE_VERTICAL = 0;
constexpr int PIECE_HORIZONTAL = 1;
constexpr int PIECE_BEND_TOP_RIGHT = 2;
constexpr int PIECE_BEND_TOP_LEFT = 3;
constexpr int PIECE_BEND_BOTTOM_RIGHT = 4;
constexpr int PIECE_BEND_BOTTOM_LEFT = 5;
constexpr int PIECE_TEE_NO_BOTTOM = 6;
constexpr int PIECE_TEE_NO_RIGHT = 7;
constexpr int PIECE_TEE_NO_TOP = 8;
constexpr int PIECE_TEE_NO_LEFT = 9;
constexpr int PIECE_END_BOTTOM = 10;
constexpr int PIECE_END_TOP = 11;
constexpr int PIECE_END_RIGHT = 12;
constexpr int PIECE_END_LEFT = 13;
constexpr int PIECE_CROSS = 14;
constexpr int PIECE_BENDS_TR_BL = 15;
constexpr int PIECE_BENDS_TL_BR = 16;
constexpr int PIECE_KIND_COUNT = 17;
constexpr int PIECE_DEALT_COUNT = 14;
constexpr int PIECE_FIRST_DEAD_END = PIECE_END_BOTTOM;
constexpr int PIECE_LAST_DEAD_END = PIECE_END_LEFT;

// Node kinds are sprite-sheet columns; these bounds are the ones stored cells may use.
constexpr int NODE_KIND_MAX = 65;
constexpr int PORT_KIND_MIN = 1;
constexpr int PORT_KIND_MAX = 4;

// The node that is the source's valve wheel and the drain's grate.
constexpr int END_NODE = 7;
