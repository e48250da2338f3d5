#include "GridPictures.h"

#include "GridWindow.h"

namespace terrovane::engineering {

GridPictures::GridPictures(QWidget* window) {
    drawing_ = new GridDrawing(window);
    tabs_ = new QTabWidget(window);
    tabs_->addTab(drawing_, GridWindow::tr("Grid"));
    mapView_ = new GridMapView(window);
    tabs_->addTab(mapView_, GridWindow::tr("Touch and step voltages"));
    profile_ = new GridProfileView(mapView_->Map(), computed_, window);
    tabs_->addTab(profile_, GridWindow::tr("Profile"));
}

void GridPictures::ShowComputed(const electrode::ComputedSafety& computed) {
    computed_ = computed;
    mapView_->Map().SetRaster(computed.raster, computed.touchLimit, computed.stepLimit,
                              drawing_->Conductors());
    profile_->ShowDefault();
}

void GridPictures::ClearComputed() {
    computed_.reset();
    mapView_->Map().Clear();
    profile_->Show();
}

}  // namespace terrovane::engineering
