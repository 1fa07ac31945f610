#include "render/preparer_job.h"

namespace qs {

bool PreparerJob::start(const PrepareRequest& request) {
    if (job_ && job_->request == request) return false;
    job_ = Job{request, State::Preparing, std::nullopt};
    return true;
}

bool PreparerJob::finish(const PrepareRequest& request, bool loaded, const std::optional<FileStamp>& stamp) {
    if (!job_ || !(job_->request == request) || job_->state != State::Preparing) return false;
    job_->state = loaded ? State::Loaded : State::Failed;
    job_->stamp = stamp;
    return true;
}

DueAction PreparerJob::atDue(const PrepareRequest& request, const std::optional<FileStamp>& stamp) {
    if (job_ && job_->request == request) {
        if (job_->state == State::Preparing) return DueAction::Wait;
        // A file that cannot be stamped (a device, say) is taken as it was prepared.
        if (job_->stamp == stamp) return job_->state == State::Loaded ? DueAction::ShowPicture : DueAction::ShowText;
        if (!stamp) {
            // The file went after it was prepared: nothing can be shown.
            job_.reset();
            return DueAction::ShowText;
        }
    }
    // Prepared for another slide, surface or options, or from the file as it was before.
    job_.reset();
    return DueAction::Wait;
}

} // namespace qs
