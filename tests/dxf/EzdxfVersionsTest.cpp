// Drawings of every version written by an independent program (ezdxf) load, have their lines,
// block references and texts rewritten by our codecs, save, and load again in ezdxf with the
// same entities, layers, texts and extended data, and a clean audit.
#include <gtest/gtest.h>

#include "dxf/DxfReader.h"
#include "DxfTestUtil.h"
#include "dxf/DxfWriter.h"
#include "dxf/EntityTypes.h"
#include "dxf/EntityValues.h"

using namespace platform::dxf;

TEST(DxfVersions, EzdxfDrawingsOfEveryVersionSurviveALoadAndSave) {
    ASSERT_EQ(dxftest::EzdxfMissing(), "");
    dxftest::ScratchDir dir;
    const std::string make = R"PY(
import sys, ezdxf
folder = sys.argv[1]
for version in ['R12', 'R2000', 'R2004', 'R2007', 'R2010', 'R2013', 'R2018']:
    doc = ezdxf.new(version)
    doc.layers.add('Wände', color=3)
    if version != 'R12':
        doc.appids.add('Database')
    block = doc.blocks.new('DOOR')
    block.add_line((0, 0), (1, 0))
    msp = doc.modelspace()
    line = msp.add_line((0, 0), (10, 5), dxfattribs={'layer': 'Wände'})
    if version != 'R12':
        line.set_xdata('Database', [(1000, 'C:\\daten\\anlage.mdb'), (1070, 1)])
        msp.add_mtext('Größe\\PZeile zwei', dxfattribs={'char_height': 2.5})
    msp.add_text('Maße €', dxfattribs={'height': 2.5})
    msp.add_blockref('DOOR', (3, 4))
    doc.saveas('%s/%s.dxf' % (folder, version))
    print(version)
)PY";
    const std::string made = dxftest::RunPython(make, dir.Path());
    ASSERT_NE(made.find("R2018"), std::string::npos) << made;

    std::string paths;
    for (const char* version : {"R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018"}) {
        const std::string in = dir.File(std::string(version) + ".dxf");
        const std::string out = dir.File(std::string(version) + "-saved.dxf");
        ReadResult r = ReadDxfFile(in);
        ASSERT_TRUE(r) << r.error->Message();
        // Every modelled entity goes through its codec and back, as a changed one would.
        Document& doc = *r.document;
        int rewritten = 0;
        for (DxfObject& e : doc.entities)
            for (const EntityType* type : {&entities::Line::type, &entities::Insert::type, &entities::MText::type})
                if (auto values = EntityValues::Read(*type, e)) e = values->Write(doc), ++rewritten;
        EXPECT_GE(rewritten, 2) << version;
        const auto err = SaveDxfFile(*r.document, out);
        ASSERT_FALSE(err) << err->Message();
        paths += " " + in + " " + out;
    }
    const std::string check = R"PY(
import sys, ezdxf
def describe(path):
    doc = ezdxf.readfile(path)
    errors = len(doc.audit().errors)
    items = []
    for e in doc.modelspace():
        text = e.dxf.text if e.dxftype() == 'TEXT' else e.text if e.dxftype() == 'MTEXT' else ''
        xdata = e.get_xdata('Database') if e.has_xdata('Database') else ''
        where = (e.dxf.start, e.dxf.end) if e.dxftype() == 'LINE' else e.dxf.insert
        items.append('%s %s %s %s %s %s' % (e.dxftype(), e.dxf.handle, e.dxf.layer, text, xdata, where))
    return errors, doc.dxfversion, sorted(items)
args = sys.argv[1:]
for original, saved in zip(args[0::2], args[1::2]):
    e1, v1, items1 = describe(original)
    e2, v2, items2 = describe(saved)
    print(v1, '->', v2, 'errors', e2, 'same' if items1 == items2 else 'DIFFERENT %s %s' % (items1, items2))
)PY";
    const std::string out = dxftest::RunPython(check, paths);
    for (const char* expected :
         {"AC1009 -> AC1009 errors 0 same", "AC1015 -> AC1027 errors 0 same", "AC1018 -> AC1027 errors 0 same",
          "AC1021 -> AC1027 errors 0 same", "AC1024 -> AC1027 errors 0 same", "AC1027 -> AC1027 errors 0 same",
          "AC1032 -> AC1027 errors 0 same"})
        EXPECT_NE(out.find(expected), std::string::npos) << expected << "\n" << out;
    EXPECT_EQ(out.find("DIFFERENT"), std::string::npos) << out;
}
