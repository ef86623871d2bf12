// The window's top view against the printed page: on the screen it is the printed top view at the
// same size.
#include "ui/image_view.h"
#include "window_test_support.h"

namespace ab {
namespace {

const std::string kTrainer = kExamples + "trainer.wk4";

TEST(WindowDrawing, TheTopViewOnTheScreenIsThePrintedTopViewAtTheSameSize)
{
    for (const bool automatic : {true, false}) {
        SCOPED_TRACE(automatic ? "automatic" : "margin typed");
        TForm1 form({QString::fromStdString(kTrainer)});
        trigger(form, "calculateAction");
        ASSERT_TRUE(form.aircraftState().SolverDataValid);
        if (!automatic)
            form.RadioButton16->click();
        ImageView* screen = control<ImageView>(form, "Image2");
        screen->resizeBitmap(593, 330); // the printed top view's size
        type(form, "Edit_Mstab", "11");  // the stability display draws the view at that size
        trigger(form, "Print1");         // and again, beside the page
        EXPECT_EQ(screen->bitmap(), control<ImageView>(form, "Image4")->bitmap());
    }
}

} // namespace
} // namespace ab
