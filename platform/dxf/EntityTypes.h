#pragma once
// The entity types this host reads, writes or draws, one description each: their values by group
// code, in the order the DXF reference gives them, with the defaults it gives. Loading and
// saving (EntityValues, the codecs of EntityCodecs.cpp), the renderer and the reader take their
// codes from here. A new type is a description here (and its row in kEntityTypes at the end),
// and, to be drawn, a drawing function registered in platform/view.
//
// Values that repeat (a polyline's vertices, a spline's knots, a hatch's boundary edges) are
// named here too, for the code that walks them; only single values are listed for the codecs.
#include "dxf/EntityType.h"

namespace platform::dxf::entities {

// What every entity has (AcDbEntity), before the values of its own type.
struct Entity {
    static constexpr TextField layer{8, "0"};
    static constexpr TextField linetype{6, "BYLAYER"};
    static constexpr IntField color{62, 256};  // 0 by block, 256 by layer
    static constexpr IntField lineweight{370, -1};  // 1/100 mm; -1 by layer, -2 by block, -3 default
    static constexpr RealField linetypeScale{48, 1};
    static constexpr IntField invisible{60};
    static constexpr IntField trueColor{420};  // 0xRRGGBB
    static constexpr std::string_view kMarker = "AcDbEntity";
};

struct Line {
    static constexpr PointField start{10};
    static constexpr PointField end{11};
    static constexpr RealField thickness = RealField(39).Optional();
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();

    static constexpr const Field* kLine[] = {&start, &end, &thickness, &extrusion};
    static constexpr Subclass kSubclasses[] = {{"AcDbLine", kLine}};
    static constexpr EntityType type{"LINE", kSubclasses};
};

// An infinite line (XLINE) and a ray (RAY): a base point and a direction.
struct XLine {
    static constexpr PointField base{10};
    static constexpr PointField direction{11, kXAxis};

    static constexpr const Field* kXline[] = {&base, &direction};
    static constexpr Subclass kSubclasses[] = {{"AcDbXline", kXline}};
    static constexpr EntityType type{"XLINE", kSubclasses};
};
struct Ray : XLine {
    static constexpr Subclass kSubclasses[] = {{"AcDbRay", kXline}};
    static constexpr EntityType type{"RAY", kSubclasses};
};

struct Circle {
    static constexpr RealField thickness = RealField(39).Optional();
    static constexpr PointField center{10};
    static constexpr RealField radius{40};
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();

    static constexpr const Field* kCircle[] = {&thickness, &center, &radius, &extrusion};
    static constexpr Subclass kSubclasses[] = {{"AcDbCircle", kCircle}};
    static constexpr EntityType type{"CIRCLE", kSubclasses};
};

struct Arc : Circle {
    static constexpr RealField startAngle{50};  // degrees
    static constexpr RealField endAngle{51};

    static constexpr const Field* kArc[] = {&startAngle, &endAngle};
    static constexpr Subclass kSubclasses[] = {{"AcDbCircle", kCircle}, {"AcDbArc", kArc}};
    static constexpr EntityType type{"ARC", kSubclasses};
};

struct Ellipse {
    static constexpr PointField center{10};
    static constexpr PointField majorAxis{11, kXAxis};  // from the center
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();
    static constexpr RealField ratio{40, 1};            // of the minor axis to the major
    static constexpr RealField startParameter{41, 0};   // radians
    static constexpr RealField endParameter{42, 6.283185307179586};

    static constexpr const Field* kEllipse[] = {&center, &majorAxis, &extrusion, &ratio, &startParameter, &endParameter};
    static constexpr Subclass kSubclasses[] = {{"AcDbEllipse", kEllipse}};
    static constexpr EntityType type{"ELLIPSE", kSubclasses};
};

struct Point {
    static constexpr PointField location{10};
    static constexpr RealField thickness = RealField(39).Optional();
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();

    static constexpr const Field* kPoint[] = {&location, &thickness, &extrusion};
    static constexpr Subclass kSubclasses[] = {{"AcDbPoint", kPoint}};
    static constexpr EntityType type{"POINT", kSubclasses};
};

// A filled triangle or quadrilateral (SOLID, TRACE); its third and fourth corners stand crosswise.
struct Solid {
    static constexpr PointField first{10};
    static constexpr PointField second{11};
    static constexpr PointField third{12};
    static constexpr PointField fourth{13};  // the third when absent
    static constexpr RealField thickness = RealField(39).Optional();
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();

    static constexpr const Field* kTrace[] = {&first, &second, &third, &fourth, &thickness, &extrusion};
    static constexpr Subclass kSubclasses[] = {{"AcDbTrace", kTrace}};
    static constexpr EntityType type{"SOLID", kSubclasses};
};
struct Trace : Solid {
    static constexpr EntityType type{"TRACE", kSubclasses};
};

struct Face3d {
    static constexpr PointField first{10};
    static constexpr PointField second{11};
    static constexpr PointField third{12};
    static constexpr PointField fourth{13};  // the third when absent
    static constexpr IntField hiddenEdges = IntField(70).Optional();  // bit e: the edge from corner e

    static constexpr const Field* kFace[] = {&first, &second, &third, &fourth, &hiddenEdges};
    static constexpr Subclass kSubclasses[] = {{"AcDbFace", kFace}};
    static constexpr EntityType type{"3DFACE", kSubclasses};
};

struct LwPolyline {
    static constexpr IntField count{90};
    static constexpr IntField flags = IntField(70).Optional();  // 1: closed
    static constexpr RealField constantWidth = RealField(43).Optional();
    static constexpr RealField elevation = RealField(38).Optional();
    static constexpr RealField thickness = RealField(39).Optional();
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();
    // Each vertex: its point (2D), then its widths and bulge where it has them.
    static constexpr PointField vertex{10};
    static constexpr RealField startWidth{40};
    static constexpr RealField endWidth{41};
    static constexpr RealField bulge{42};

    static constexpr const Field* kPolyline[] = {&count, &flags, &constantWidth, &elevation, &thickness, &extrusion};
    static constexpr Subclass kSubclasses[] = {{"AcDbPolyline", kPolyline}};
    static constexpr EntityType type{"LWPOLYLINE", kSubclasses};
};

// A polyline of VERTEX entities up to a SEQEND: 2D, 3D, a polyface mesh or a polygon mesh, by
// its flags (its subclass marker says which).
struct Polyline {
    static constexpr IntField verticesFollow = IntField(66).Optional();
    static constexpr PointField elevation{10};  // its Z
    static constexpr RealField thickness = RealField(39).Optional();
    static constexpr IntField flags = IntField(70).Optional();
    static constexpr RealField startWidth = RealField(40).Optional();
    static constexpr RealField endWidth = RealField(41).Optional();
    static constexpr IntField meshM = IntField(71).Optional();  // a polygon mesh's rows
    static constexpr IntField meshN = IntField(72).Optional();  // and columns
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();
    enum Flag : int { kClosed = 1, kSplineFit = 4, k3d = 8, kPolygonMesh = 16, kClosedN = 32, kPolyfaceMesh = 64 };

    static constexpr const Field* kPolyline[] = {&verticesFollow, &elevation, &thickness, &flags,     &startWidth,
                                                 &endWidth,       &meshM,     &meshN,     &extrusion};
    static constexpr Subclass kSubclasses[] = {{"AcDb2dPolyline", kPolyline}};
    static constexpr EntityType type{"POLYLINE", kSubclasses, "VERTEX"};
};

struct Vertex {
    static constexpr PointField location{10};
    static constexpr RealField startWidth = RealField(40).Optional();  // the polyline's when absent
    static constexpr RealField endWidth = RealField(41).Optional();
    static constexpr RealField bulge = RealField(42).Optional();
    static constexpr IntField flags = IntField(70).Optional();
    // A polyface mesh's face record: the vertices of its corners, from 1; negative where the
    // edge that starts there is hidden, 0 where it has fewer.
    static constexpr IntField face1 = IntField(71).Optional();
    static constexpr IntField face2 = IntField(72).Optional();
    static constexpr IntField face3 = IntField(73).Optional();
    static constexpr IntField face4 = IntField(74).Optional();
    enum Flag : int { kSplineFrame = 16, kMeshVertex = 64, kFaceRecord = 128 };

    static constexpr const Field* kVertex[] = {&location, &startWidth, &endWidth, &bulge, &flags, &face1, &face2, &face3, &face4};
    static constexpr Subclass kSubclasses[] = {{"AcDbVertex", kVertex}};
    static constexpr EntityType type{"VERTEX", kSubclasses, {}, nullptr, true};
};

// Ends the vertices of a polyline and the attributes of a block reference.
struct SeqEnd {
    static constexpr EntityType type{"SEQEND", {}, {}, nullptr, true};
};

struct Spline {
    static constexpr PointField normal = PointField(210, kZAxis).Optional();
    static constexpr IntField flags = IntField(70).After("AcDbSpline");  // 1: closed
    static constexpr IntField degree = IntField(71, 3).After("AcDbSpline");
    static constexpr IntField knotCount{72};
    static constexpr IntField controlCount{73};
    static constexpr IntField fitCount{74};
    static constexpr PointField startTangent = PointField(12).Optional();
    static constexpr PointField endTangent = PointField(13).Optional();
    // Repeated: the knots, the weights of the control points, the control points, the fit points.
    static constexpr RealField knot{40};
    static constexpr RealField weight{41, 1};
    static constexpr PointField control{10};
    static constexpr PointField fit{11};

    static constexpr const Field* kSpline[] = {&normal, &flags, &degree, &knotCount, &controlCount, &fitCount, &startTangent, &endTangent};
    static constexpr Subclass kSubclasses[] = {{"AcDbSpline", kSpline}};
    static constexpr EntityType type{"SPLINE", kSubclasses};
};

// Single-line text (TEXT); attributes and their definitions are texts with more (Attrib, AttDef).
struct Text {
    static constexpr RealField thickness = RealField(39).Optional();
    static constexpr PointField first{10};
    static constexpr RealField height{40};  // the style's when 0
    static constexpr TextField text{1};
    static constexpr RealField rotation = RealField(50).Optional();  // degrees
    static constexpr RealField widthFactor = RealField(41, 1).Optional();  // the style's when absent
    static constexpr RealField oblique = RealField(51).Optional();  // degrees; the style's when absent
    static constexpr TextField style = TextField(7, "Standard").Optional();
    static constexpr IntField generation = IntField(71).Optional();  // 2: mirrored in X, 4: in Y
    static constexpr IntField horizontal = IntField(72).Optional();  // 0 left ... 3 aligned, 4 middle, 5 fit
    static constexpr PointField second = PointField(11).Optional();  // the first when absent
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();
    static constexpr IntField vertical = IntField(73).Optional();  // 0 baseline, 1 bottom, 2 middle, 3 top
    enum Horizontal : int { kLeft = 0, kCenter = 1, kRight = 2, kAligned = 3, kMiddle = 4, kFit = 5 };

    static constexpr const Field* kText[] = {&thickness, &first,      &height,     &text,   &rotation, &widthFactor,
                                             &oblique,   &style,      &generation, &horizontal, &second, &extrusion};
    static constexpr const Field* kAlignment[] = {&vertical};
    static constexpr Subclass kSubclasses[] = {{"AcDbText", kText}, {"AcDbText", kAlignment}};
    static constexpr EntityType type{"TEXT", kSubclasses};
};

// A block reference's attribute: a text with a tag, after the reference and before its SEQEND.
struct Attrib : Text {
    static constexpr TextField tag{2};
    static constexpr IntField flags = IntField(70).Optional();  // 1: invisible
    static constexpr IntField vertical = IntField(74).Optional();
    enum Flag : int { kInvisible = 1 };

    static constexpr const Field* kAttribute[] = {&tag, &flags, &vertical};
    static constexpr Subclass kSubclasses[] = {{"AcDbText", kText}, {"AcDbAttribute", kAttribute}};
    static constexpr EntityType type{"ATTRIB", kSubclasses, {}, nullptr, true};
};

// An attribute's definition in a block: shows its tag where it is drawn on its own.
struct AttDef : Attrib {
    static constexpr TextField prompt{3};

    static constexpr const Field* kDefinition[] = {&prompt, &tag, &flags, &vertical};
    static constexpr Subclass kSubclasses[] = {{"AcDbText", kText}, {"AcDbAttributeDefinition", kDefinition}};
    static constexpr EntityType type{"ATTDEF", kSubclasses};
};

struct MText {
    static constexpr PointField insert{10};
    static constexpr RealField height{40, 2.5};  // of its capitals
    static constexpr RealField width{41};        // the reference column width, 0 for none
    static constexpr RealField definedHeight = RealField(46).Optional();  // a column's, without column heights
    static constexpr IntField attachment{71, 1};  // 1..9: top left ... bottom right
    static constexpr IntField drawingDirection = IntField(72, 5).Optional();  // 5: by its style
    static constexpr TextField text = TextField(1).Chunked(3);  // UTF-8 with MTEXT formatting codes
    static constexpr TextField style{7, "Standard"};
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();
    static constexpr PointField xAxis = PointField(11).Optional();  // its direction, before a rotation
    static constexpr RealField rotation = RealField(50).Optional();  // degrees
    static constexpr IntField lineSpacingStyle = IntField(73, 1).Optional();  // 1: at least, 2: exactly
    static constexpr RealField lineSpacing = RealField(44, 1).Optional();  // factor
    static constexpr IntField backgroundFill = IntField(90).Optional();  // non-zero: filled behind
    // Columns.
    static constexpr IntField columnType = IntField(75).Optional();  // 1 static, 2 dynamic
    static constexpr IntField columnCount = IntField(76, 1).Optional();
    static constexpr RealField columnWidth = RealField(48).Optional();
    static constexpr RealField gutter = RealField(49).Optional();
    static constexpr RealField columnHeight{50};  // repeated after the column type, one a column

    static constexpr const Field* kMText[] = {&insert,   &height,           &width,       &definedHeight,  &attachment, &drawingDirection,
                                              &text,     &style,            &extrusion,   &xAxis,          &rotation,   &lineSpacingStyle,
                                              &lineSpacing, &backgroundFill, &columnType, &columnCount,    &columnWidth, &gutter};
    static constexpr Subclass kSubclasses[] = {{"AcDbMText", kMText}};
    static constexpr EntityType type{"MTEXT", kSubclasses};
};

// A block reference (INSERT), or an array of them; its attributes follow when it says so.
struct Insert {
    static constexpr IntField attributesFollow = IntField(66).Optional();
    static constexpr TextField block{2};
    static constexpr PointField insert{10};
    static constexpr RealField scaleX = RealField(41, 1).Optional();
    static constexpr RealField scaleY = RealField(42, 1).Optional();
    static constexpr RealField scaleZ = RealField(43, 1).Optional();
    static constexpr RealField rotation = RealField(50).Optional();  // degrees
    static constexpr IntField columnCount = IntField(70, 1).Optional();
    static constexpr IntField rowCount = IntField(71, 1).Optional();
    static constexpr RealField columnSpacing = RealField(44).Optional();
    static constexpr RealField rowSpacing = RealField(45).Optional();
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();

    static constexpr const Field* kReference[] = {&attributesFollow, &block,       &insert,   &scaleX,        &scaleY,     &scaleZ,
                                                  &rotation,         &columnCount, &rowCount, &columnSpacing, &rowSpacing, &extrusion};
    static constexpr Subclass kSubclasses[] = {{"AcDbBlockReference", kReference}};
    static constexpr EntityType type{"INSERT", kSubclasses, "ATTRIB", &attributesFollow};
};

// A dimension, drawn by its block (its picture, as the program that wrote it made it).
struct Dimension {
    static constexpr TextField block{2};
    static constexpr PointField definition{10};
    static constexpr PointField textMidpoint{11};
    static constexpr PointField insert = PointField(12).Optional();  // where the block goes
    static constexpr IntField dimensionType = IntField(70).Optional();
    static constexpr TextField text = TextField(1).Optional();
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();
    static constexpr TextField style = TextField(3, "Standard").Optional();

    static constexpr const Field* kDimension[] = {&block, &definition, &textMidpoint, &insert, &dimensionType, &text, &extrusion, &style};
    static constexpr Subclass kSubclasses[] = {{"AcDbDimension", kDimension}};
    static constexpr EntityType type{"DIMENSION", kSubclasses};
};
struct ArcDimension : Dimension {
    static constexpr EntityType type{"ARC_DIMENSION", kSubclasses};
};
struct LargeRadialDimension : Dimension {
    static constexpr EntityType type{"LARGE_RADIAL_DIMENSION", kSubclasses};
};

// A table (ACAD_TABLE), drawn by its block. Its block reference's values come first; its own
// follow, then a record a cell (platform/dxf/AcadTable.cpp).
struct Table {
    static constexpr TextField block = TextField(2).After("AcDbBlockReference");
    static constexpr PointField insert = PointField(10).After("AcDbBlockReference");
    static constexpr HandleField tableStyle = HandleField(342).After("AcDbTable");
    static constexpr HandleField blockRecord = HandleField(343).After("AcDbTable");
    static constexpr PointField direction = PointField(11, kXAxis).After("AcDbTable");
    static constexpr IntField valueFlags = IntField(90, 22).After("AcDbTable");
    static constexpr IntField rows = IntField(91).After("AcDbTable");
    static constexpr IntField columns = IntField(92).After("AcDbTable");
    // Repeated, in this order after the counts: a height a row, a width a column.
    static constexpr RealField rowHeight{141};
    static constexpr RealField columnWidth{142};

    static constexpr const Field* kReference[] = {&block, &insert};
    static constexpr const Field* kTable[] = {&tableStyle, &blockRecord, &direction, &valueFlags, &rows, &columns};
    static constexpr Subclass kSubclasses[] = {{"AcDbBlockReference", kReference}, {"AcDbTable", kTable}};
    static constexpr EntityType type{"ACAD_TABLE", kSubclasses};
};

struct Hatch {
    static constexpr PointField elevation{10};  // its Z
    static constexpr PointField extrusion = PointField(210, kZAxis).Optional();
    static constexpr TextField pattern{2};
    static constexpr IntField solid{70};  // 1: a solid fill
    static constexpr IntField associative{71};
    static constexpr IntField pathCount{91};
    static constexpr IntField style{75};
    static constexpr IntField patternType{76};
    static constexpr IntField gradient = IntField(450).Optional();  // non-zero: a gradient fill

    // Each boundary path: its kind, then a polyline's vertices or its edges, then the objects it
    // was made from.
    struct Path {
        static constexpr IntField flags{92};  // 2: a polyline
        static constexpr IntField hasBulges{72};
        static constexpr IntField closed{73};
        static constexpr IntField count{93};  // vertices, or edges
        static constexpr PointField vertex{10};
        static constexpr RealField bulge{42};
        static constexpr IntField edgeType{72};  // 1 line, 2 circular arc, 3 elliptic arc, 4 spline
        static constexpr IntField sourceCount{97};
        static constexpr HandleField source{330};
        enum Flag : int { kPolyline = 2 };
        enum Edge : int { kLine = 1, kArc = 2, kEllipse = 3, kSpline = 4 };
    };
    struct LineEdge {
        static constexpr PointField start{10};
        static constexpr PointField end{11};
    };
    struct ArcEdge {
        static constexpr PointField center{10};
        static constexpr RealField radius{40};
        static constexpr RealField startAngle{50};  // degrees
        static constexpr RealField endAngle{51, 360};
        static constexpr IntField counterClockwise{73, 1};
    };
    struct EllipseEdge {
        static constexpr PointField center{10};
        static constexpr PointField majorAxis{11};
        static constexpr RealField ratio{40, 1};
        static constexpr RealField startAngle{50};
        static constexpr RealField endAngle{51, 360};
        static constexpr IntField counterClockwise{73, 1};
    };
    struct SplineEdge {
        static constexpr IntField degree{94, 3};
        static constexpr IntField rational{73};
        static constexpr IntField periodic{74};
        static constexpr IntField knotCount{95};
        static constexpr IntField controlCount{96};
        static constexpr RealField knot{40};
        static constexpr PointField control{10};
        static constexpr RealField weight{42, 1};
        static constexpr IntField fitCount{97};
        static constexpr PointField fit{11};
        static constexpr PointField startTangent{12};
        static constexpr PointField endTangent{13};
    };
    // The pattern's lines, as the file stores them (scaled and turned already).
    struct PatternLine {
        static constexpr IntField count{78};
        static constexpr RealField angle{53};  // degrees
        static constexpr RealField baseX{43};
        static constexpr RealField baseY{44};
        static constexpr RealField offsetX{45};
        static constexpr RealField offsetY{46};
        static constexpr IntField dashCount{79};
        static constexpr RealField dash{49};
    };

    static constexpr const Field* kHatch[] = {&elevation, &extrusion, &pattern, &solid, &associative, &pathCount};
    static constexpr Subclass kSubclasses[] = {{"AcDbHatch", kHatch}};
    static constexpr EntityType type{"HATCH", kSubclasses};
};

struct Leader {
    static constexpr TextField style{3};
    static constexpr IntField arrowhead{71, 1};  // 0: none
    static constexpr IntField pathType{72};       // 1: a spline through the vertices
    static constexpr PointField vertex{10};       // repeated
    static constexpr PointField normal = PointField(210, kZAxis).Optional();

    static constexpr const Field* kLeader[] = {&style, &arrowhead, &pathType, &normal};
    static constexpr Subclass kSubclasses[] = {{"AcDbLeader", kLeader}};
    static constexpr EntityType type{"LEADER", kSubclasses};
};

// A multileader: its geometry as last worked out by the program that wrote it, in its context
// data (CONTEXT_DATA{ ... }, with LEADER{ ... } groups of LEADER_LINE{ ... } groups); its own
// settings follow.
struct MLeader {
    static constexpr TextField groupBegins{300};  // "CONTEXT_DATA{"
    static constexpr TextField groupEnds{301};    // "}"
    static constexpr std::string_view kContext = "CONTEXT_DATA{";
    struct Context {
        static constexpr RealField scale{40, 1};
        static constexpr RealField textHeight{41, 0.18};
        static constexpr RealField arrowSize{140, 0.18};
        static constexpr IntField hasText{290};  // the first 290; later ones are the text's settings
        static constexpr TextField text{304};
        static constexpr PointField textAt{12};
        static constexpr PointField textDirection{13, kXAxis};
        static constexpr RealField textWidth{43};
        static constexpr IntField textAttachment{171, 1};
        static constexpr IntField hasBlock{296};
        static constexpr HandleField block{341};
        static constexpr PointField blockAt{15};
        static constexpr PointField blockScale{16, {1, 1, 1}};
        static constexpr RealField blockRotation{46};  // radians
        static constexpr TextField leaderBegins{302};  // "LEADER{"
        static constexpr TextField leaderEnds{303};
    };
    struct LeaderBranch {
        static constexpr IntField hasConnection{290};
        static constexpr IntField hasDogleg{291};
        static constexpr PointField connection{10};
        static constexpr PointField dogleg{11};  // the direction
        static constexpr RealField doglegLength{40};
        static constexpr TextField lineBegins{304};  // "LEADER_LINE{"
        static constexpr TextField lineEnds{305};
        static constexpr std::string_view kLine = "LEADER_LINE{";
    };
    struct LeaderLine {
        static constexpr PointField vertex{10};
    };
    // After the context data.
    static constexpr IntField lineType{170, 1};  // 0 invisible, 1 straight, 2 spline
    static constexpr IntField lineColor{91};      // a colour value: 0xC2 RGB, 0xC3 index
    static constexpr IntField landing{290, 1};
    static constexpr IntField dogleg{291, 1};
    static constexpr HandleField arrowheadBlock{342};  // 0: the closed filled arrow
    static constexpr IntField contentType{172, 2};     // 1 a block, 2 multi-line text
    static constexpr IntField textColor{92};

    static constexpr const Field* kMLeader[] = {&lineType, &lineColor, &landing, &dogleg, &arrowheadBlock, &contentType, &textColor};
    static constexpr Subclass kSubclasses[] = {{"AcDbMLeader", kMLeader}};
    static constexpr EntityType type{"MULTILEADER", kSubclasses};
};
struct MLeaderOld : MLeader {
    static constexpr EntityType type{"MLEADER", kSubclasses};
};

// A mesh (MESH): its base vertices and faces as stored; a smoothed mesh is drawn unsmoothed.
struct Mesh {
    static constexpr IntField version{71};
    static constexpr IntField blendCrease{72};
    static constexpr IntField level{91};
    static constexpr IntField vertexCount = IntField(92).After("AcDbSubDMesh");
    static constexpr PointField vertex{10};  // repeated
    static constexpr IntField faceListSize{93};
    static constexpr IntField faceItem{90};  // repeated: a face's vertex count, then its vertices

    static constexpr const Field* kMesh[] = {&version, &blendCrease, &level, &vertexCount};
    static constexpr Subclass kSubclasses[] = {{"AcDbSubDMesh", kMesh}};
    static constexpr EntityType type{"MESH", kSubclasses};
};

// An image's frame (IMAGE), and a wipeout (WIPEOUT), which covers what is under it.
struct Image {
    static constexpr PointField insert{10};                 // its first pixel's corner
    static constexpr PointField uPixel{11, kXAxis};         // a pixel along
    static constexpr PointField vPixel{12, {0, 1, 0}};      // and up
    static constexpr PointField size{13, {1, 1, 0}};        // in pixels
    static constexpr IntField clipped{280};                 // a wipeout's clips unless 0
    static constexpr IntField boundaryType{71, 1};          // 1 a rectangle, 2 a polygon
    static constexpr PointField boundaryVertex{14};         // repeated, in pixels from the top left

    static constexpr const Field* kImage[] = {&insert, &uPixel, &vPixel, &size, &clipped, &boundaryType};
    static constexpr Subclass kSubclasses[] = {{"AcDbRasterImage", kImage}};
    static constexpr EntityType type{"IMAGE", kSubclasses};
};
struct Wipeout : Image {
    static constexpr IntField clipped{280, 1};

    static constexpr const Field* kImage[] = {&insert, &uPixel, &vPixel, &size, &clipped, &boundaryType};
    static constexpr Subclass kSubclasses[] = {{"AcDbRasterImage", kImage}, {"AcDbWipeout", {}}};
    static constexpr EntityType type{"WIPEOUT", kSubclasses};
};

// A viewport of a layout onto model space.
struct Viewport {
    static constexpr PointField center{10};  // on the paper
    static constexpr RealField width{40};
    static constexpr RealField height{41};
    static constexpr IntField status{68, 1};  // 0 or below: off
    static constexpr IntField id{69, 2};      // 1: the layout's own view
    static constexpr PointField viewCenter{12};
    static constexpr PointField viewDirection{16, kZAxis};
    static constexpr PointField viewTarget{17};
    static constexpr RealField viewHeight{45};  // in model space
    static constexpr RealField twist{51};       // degrees
    static constexpr HandleField frozenLayer{331};  // repeated

    static constexpr const Field* kViewport[] = {&center, &width, &height, &status, &id, &viewCenter, &viewDirection, &viewTarget,
                                                 &viewHeight, &twist};
    static constexpr Subclass kSubclasses[] = {{"AcDbViewport", kViewport}};
    static constexpr EntityType type{"VIEWPORT", kSubclasses};
};

inline constexpr const EntityType* kEntityTypes[] = {
    &Line::type,    &XLine::type,     &Ray::type,         &Circle::type,    &Arc::type,       &Ellipse::type,
    &Point::type,   &Solid::type,     &Trace::type,       &Face3d::type,    &LwPolyline::type, &Polyline::type,
    &Vertex::type,  &SeqEnd::type,    &Spline::type,      &Text::type,      &Attrib::type,    &AttDef::type,
    &MText::type,   &Insert::type,    &Dimension::type,   &ArcDimension::type, &LargeRadialDimension::type,
    &Table::type,   &Hatch::type,     &Leader::type,      &MLeader::type,   &MLeaderOld::type, &Mesh::type,
    &Image::type,   &Wipeout::type,   &Viewport::type,
};

}  // namespace platform::dxf::entities
