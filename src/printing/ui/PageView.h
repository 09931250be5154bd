#pragma once

#include <QWidget>

namespace velmora {

class QtRecordedDocument;

// One recorded page drawn as paper on a grey background at a given scale, with a navy
// border and a shadow; a page still being recorded shows as blank paper.
class PageView : public QWidget {
public:
    PageView(const QtRecordedDocument& document, QWidget* parent);

    // Page number from 1; 0 shows no page.
    void setPage(int page);
    int page() const { return page_; }
    // Screen pixels per page unit.
    void setScale(double pixelsPerUnit);
    QSize sizeHint() const override;

    static constexpr int margin = 10;
    static constexpr int shadow = 4;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize paperSize() const;

    const QtRecordedDocument& document_;
    int page_ = 0;
    double scale_ = 0.1;
};

}  // namespace velmora
