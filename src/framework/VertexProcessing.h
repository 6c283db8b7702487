#pragma once

// Where vertices are transformed and lit: the vertex-processing part of the behaviour flags.
enum class VertexProcessing { PureHardware, Hardware, Mixed, Software };
